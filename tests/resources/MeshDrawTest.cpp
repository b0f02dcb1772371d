#include <gtest/gtest.h>

#include <vector>

#include "engine/Window.h"
#include "resources/AdvancedGL.h"
#include "resources/File.h"
#include "resources/Mesh.h"
#include "support/GLContext.h"
#include "tests/resources/MeshFile.h"

namespace
{

const int kSide = 64;                       // pixels of the test context

using Pixels = std::vector<unsigned char>;

// The cube seen straight down the z axis in white on black, in a view from
// -2 to 2, with every state that could tell the modes apart switched off.
class MeshDrawTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTestContext(kSide, kSide));
        InitAdvancedGL();
        glViewport(0, 0, kSide, kSide);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2, 2, -2, 2, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        for (GLenum state : {GL_DEPTH_TEST, GL_LIGHTING, GL_TEXTURE_2D, GL_BLEND})
            glDisable(state);
        glColor3f(1, 1, 1);
    }

    void TearDown() override { ShutdownAdvancedGL(); }

    static void Create(CMeshObject& mesh, std::uint32_t mode)
    {
        CFile file;
        ASSERT_TRUE(file.Open(WriteFile(::testing::TempDir() + "cube.3ds", MeshFile::Cube())));
        ASSERT_TRUE(Read3DS(file, mesh.m_data));
        ASSERT_TRUE(mesh.Create(MeshOptions{mode}));
    }

    static Pixels Draw(const CMeshObject& mesh)
    {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        mesh.Draw();
        Pixels pixels(kSide * kSide);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSide, kSide, GL_RED, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
};

// Pixel centres x = -2 + (i + 0.5) / 16 fall inside +-1.6666666 for i = 5 to
// 58: a white square of 54 by 54 pixels.
Pixels CubeSquare()
{
    Pixels pixels(kSide * kSide, 0);
    for (int row = 5; row <= 58; ++row)
        for (int column = 5; column <= 58; ++column)
            pixels[row * kSide + column] = 255;
    return pixels;
}

} // namespace

// All four live at once and draw in mode order, twice, so that a buffer left
// bound by one would spoil the client pointers of the next.
TEST_F(MeshDrawTest, EveryModeDrawsTheSamePixelsAndFreesItsListOrBuffers)
{
    ASSERT_TRUE(HasVertexBuffers());
    GLuint list, vertexBuffer, indexBuffer;
    {
        CMeshObject meshes[4];
        for (std::uint32_t mode = 0; mode < 4; ++mode)
        {
            Create(meshes[mode], mode);
            EXPECT_EQ(meshes[mode].m_mode, mode);
        }
        for (int pass = 0; pass < 2; ++pass)
            for (std::uint32_t mode = 0; mode < 4; ++mode)
            {
                SCOPED_TRACE(mode);
                EXPECT_EQ(Draw(meshes[mode]), CubeSquare());
            }
        list = meshes[MeshDisplayList].m_list;
        vertexBuffer = meshes[MeshVertexBuffers].m_list;
        indexBuffer = meshes[MeshVertexBuffers].m_indexBuffer;
        ASSERT_TRUE(glIsList(list));
    }
    const auto isBuffer = reinterpret_cast<PFNGLISBUFFERARBPROC>(GetGLProcedure("glIsBufferARB"));
    EXPECT_FALSE(glIsList(list));
    EXPECT_FALSE(isBuffer(vertexBuffer));
    EXPECT_FALSE(isBuffer(indexBuffer));
}

TEST_F(MeshDrawTest, VertexBufferModeWithoutTheExtensionDrawsFromClientArrays)
{
    ShutdownAdvancedGL();
    CMeshObject mesh;
    Create(mesh, MeshVertexBuffers);
    EXPECT_EQ(mesh.m_mode, MeshClientArrays);
    EXPECT_EQ(mesh.m_draw, &CMeshObject::DrawArrays);
    EXPECT_EQ(mesh.m_list, 0u);
    EXPECT_EQ(Draw(mesh), CubeSquare());
}
