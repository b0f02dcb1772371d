#include <gtest/gtest.h>

#include <cmath>

#include "scenegraph/Camera.h"
#include "scenegraph/Math.h"

using Scenegraph::CCamera;

TEST(CameraTest, StartUpSetUpGivesTheOrthographicBox)
{
    CCamera camera;
    EXPECT_TRUE(camera.LookAt(0, 0, 15, 0, 0, 0, 0, 1, 0));
    camera.SetOrthographic(40, 30, 10, 50);

    EXPECT_FLOAT_EQ(camera.m_eye[2], 15.0f);
    EXPECT_EQ(camera.m_perspective, 0.0f);
    EXPECT_FLOAT_EQ(camera.m_near, 10.0f);
    EXPECT_FLOAT_EQ(camera.m_far, 50.0f);
    const float expected[16] = {0.05f, 0, 0, 0, 0, 2.0f / 30, 0, 0, 0, 0, -0.05f, 0, 0, 0, -1.5f, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(camera.m_projection[i], expected[i]) << "element " << i;
}

TEST(CameraTest, LookAtBuildsTheViewAndPerspective)
{
    CCamera camera;
    EXPECT_TRUE(camera.LookAt(0, 0, 15, 0, 0, 0, 0, 2, 0));

    // Looking down -z from z = 15: the view only moves the world back by 15.
    const float view[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -15, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(camera.m_view[i], view[i]) << "element " << i;
    EXPECT_FLOAT_EQ(camera.m_up[1], 1.0f);

    // 90 degrees with the slightly-off degree factor: tan(45.0013 deg).
    const float t = static_cast<float>(std::tan(90 * 0.017453888431191444 * 0.5));
    EXPECT_FLOAT_EQ(camera.m_projection[5], 1.0f / t);
    EXPECT_FLOAT_EQ(camera.m_projection[0], 1.0f / (t * (4.0f / 3.0f)));
    EXPECT_FLOAT_EQ(camera.m_projection[10], -(703.0f / 697.0f));
    EXPECT_FLOAT_EQ(camera.m_projection[11], -1.0f);
    EXPECT_FLOAT_EQ(camera.m_projection[14], -2.0f * 700 * 3 / 697);
    EXPECT_FLOAT_EQ(camera.m_projection[15], 0.0f);
}

TEST(CameraTest, UpParallelToTheViewGivesASingularView)
{
    CCamera camera;
    EXPECT_FALSE(camera.LookAt(0, 0, 15, 0, 0, 0, 0, 0, 1));
}

TEST(MatrixTest, InvertsAKnownMatrix)
{
    // Scale by 2, 4, 8 and move by (1, 2, 3).
    float matrix[16] = {2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 8, 0, 1, 2, 3, 1};
    EXPECT_FLOAT_EQ(Scenegraph::Determinant(matrix), 64.0f);
    ASSERT_TRUE(Scenegraph::Invert(matrix));
    const float inverse[16] = {0.5f, 0, 0, 0, 0, 0.25f, 0, 0, 0, 0, 0.125f, 0, -0.5f, -0.5f, -0.375f, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(matrix[i], inverse[i]) << "element " << i;
}

TEST(MatrixTest, RefusesANearlySingularMatrixAndLeavesIt)
{
    float matrix[16] = {0.01f, 0, 0, 0, 0, 0.01f, 0, 0, 0, 0, 1, 0, 5, 0, 0, 1};
    float before[16];
    for (int i = 0; i < 16; ++i)
        before[i] = matrix[i];
    EXPECT_FALSE(Scenegraph::Invert(matrix));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(matrix[i], before[i]);
}

TEST(VectorTest, CrossAndNormalize)
{
    const float x[3] = {1, 0, 0};
    const float y[3] = {0, 1, 0};
    float z[3];
    Scenegraph::Cross(x, y, z);
    EXPECT_EQ(z[2], 1.0f);

    float v[3] = {3, 0, 4};
    Scenegraph::Normalize(v);
    EXPECT_FLOAT_EQ(v[0], 0.6f);
    EXPECT_FLOAT_EQ(v[2], 0.8f);

    float zero[3] = {0, 0, 0};
    Scenegraph::Normalize(zero);
    EXPECT_EQ(zero[0], 0.0f);
}
