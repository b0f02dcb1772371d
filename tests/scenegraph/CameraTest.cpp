#include <gmock/gmock.h>

#include <cmath>
#include <vector>

#include "scenegraph/Camera.h"
#include "scenegraph/Math.h"

using Scenegraph::CCamera;

namespace
{

std::vector<float> Matrix(const float* elements) { return {elements, elements + 16}; }

void ExpectMatrix(const float* actual, const std::vector<float>& expected)
{
    EXPECT_THAT(Matrix(actual), ::testing::Pointwise(::testing::FloatEq(), expected));
}

} // namespace

// The engine looks at the board from z = 15, then sets the orthographic box.
TEST(CameraTest, LookAtBuildsTheViewAndPerspectiveThenTheOrthographicBoxReplacesIt)
{
    CCamera camera;
    EXPECT_TRUE(camera.LookAt(0, 0, 15, 0, 0, 0, 0, 2, 0));
    // Looking down -z from z = 15: the view only moves the world back by 15.
    ExpectMatrix(camera.m_view, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -15, 1});
    EXPECT_FLOAT_EQ(camera.m_up[1], 1.0f);
    // 90 degrees with the slightly-off degree factor: tan(45.0013 deg).
    const float t = static_cast<float>(std::tan(90 * 0.017453888431191444 * 0.5));
    ExpectMatrix(camera.m_projection, {1.0f / (t * (4.0f / 3.0f)), 0, 0, 0, 0, 1.0f / t, 0, 0, 0, 0,
                                      -(703.0f / 697.0f), -1, 0, 0, -2.0f * 700 * 3 / 697, 0});
    camera.SetOrthographic(40, 30, 10, 50);
    ExpectMatrix(camera.m_projection, {0.05f, 0, 0, 0, 0, 2.0f / 30, 0, 0, 0, 0, -0.05f, 0, 0, 0, -1.5f, 1});
    // Up along the view direction leaves no side vector: the view is singular.
    EXPECT_FALSE(camera.LookAt(0, 0, 15, 0, 0, 0, 0, 0, 1));
}

TEST(MatrixTest, InvertReplacesAMatrixByItsInverseOrLeavesANearlySingularOne)
{
    // Scale by 2, 4, 8 and move by (1, 2, 3).
    float matrix[16] = {2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 8, 0, 1, 2, 3, 1};
    ASSERT_TRUE(Scenegraph::Invert(matrix));
    ExpectMatrix(matrix, {0.5f, 0, 0, 0, 0, 0.25f, 0, 0, 0, 0, 0.125f, 0, -0.5f, -0.5f, -0.375f, 1});

    float nearlySingular[16] = {0.01f, 0, 0, 0, 0, 0.01f, 0, 0, 0, 0, 1, 0, 5, 0, 0, 1};
    const std::vector<float> before = Matrix(nearlySingular);
    EXPECT_FALSE(Scenegraph::Invert(nearlySingular));
    EXPECT_EQ(Matrix(nearlySingular), before);
}
