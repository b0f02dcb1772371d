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

void Create(CMeshObject& mesh, std::uint32_t mode)
{
    CFile file;
    ASSERT_TRUE(file.Open(WriteFile(::testing::TempDir() + "cube.3ds", MeshFile::Cube())));
    ASSERT_TRUE(Read3DS(file, mesh.m_data));
    ASSERT_TRUE(mesh.Create(MeshOptions{mode}, "cube.3ds"));
}

// The cube seen straight down the z axis in white on black, in a view from
// -2 to 2, with every state that could tell the modes apart switched off.
Pixels Draw(const CMeshObject& mesh)
{
    glViewport(0, 0, kSide, kSide);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -2, 2, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    for (GLenum state : {GL_DEPTH_TEST, GL_LIGHTING, GL_TEXTURE_2D, GL_BLEND})
        glDisable(state);
    glColor3f(1, 1, 1);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    mesh.Draw();
    Pixels pixels(kSide * kSide);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kSide, kSide, GL_RED, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

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
// bound by one would spoil the client pointers of the next. Without the
// extension, a mesh asking for vertex buffers draws from client arrays.
TEST(MeshDrawTest, EveryModeDrawsTheSamePixelsFreesItsListOrBuffersAndBuffersFallBackToArrays)
{
    ASSERT_TRUE(OpenTestContext(kSide, kSide));
    InitAdvancedGL();
    ASSERT_TRUE(HasVertexBuffers());
    GLuint names[3];                        // the display list, the vertex and the index buffer
    {
        CMeshObject meshes[4];
        for (std::uint32_t mode = 0; mode < 4; ++mode)
            Create(meshes[mode], mode);
        EXPECT_EQ(meshes[MeshVertexBuffers].m_mode, MeshVertexBuffers);
        for (int draw = 0; draw < 8; ++draw)
        {
            SCOPED_TRACE(draw % 4);
            EXPECT_EQ(Draw(meshes[draw % 4]), CubeSquare());
        }
        names[0] = meshes[MeshDisplayList].m_list;
        names[1] = meshes[MeshVertexBuffers].m_list;
        names[2] = meshes[MeshVertexBuffers].m_indexBuffer;
        ASSERT_TRUE(glIsList(names[0]));
    }
    const auto isBuffer = reinterpret_cast<PFNGLISBUFFERARBPROC>(GetGLProcedure("glIsBufferARB"));
    EXPECT_FALSE(glIsList(names[0]) || isBuffer(names[1]) || isBuffer(names[2]));

    ShutdownAdvancedGL();
    CMeshObject fallback;
    Create(fallback, MeshVertexBuffers);
    EXPECT_EQ(fallback.m_mode, MeshClientArrays);
    EXPECT_EQ(Draw(fallback), CubeSquare());
}

TEST(ExtensionListTest, NameCountsOnlyAsAWholeWordOfTheList)
{
    const char* list = "GL_ARB_vertex_buffer_object_x GL_EXT_abgr GL_ARB_vertex_buffer_object";
    EXPECT_TRUE(IsExtensionInList(list, "GL_ARB_vertex_buffer_object"));
    EXPECT_TRUE(IsExtensionInList(list, "GL_EXT_abgr"));
    EXPECT_TRUE(IsExtensionInList("GL_EXT_abgr", "GL_EXT_abgr"));
    EXPECT_FALSE(IsExtensionInList(list, "GL_ARB_vertex_buffer"));
    EXPECT_FALSE(IsExtensionInList(list, "EXT_abgr"));
    // An empty name, a name with a space or no list at all is never supported.
    EXPECT_FALSE(IsExtensionInList("GL_EXT_abgr GL_EXT_bgra", ""));
    EXPECT_FALSE(IsExtensionInList("GL_EXT_abgr GL_EXT_bgra", "GL_EXT_abgr GL_EXT_bgra"));
    EXPECT_FALSE(IsExtensionInList(nullptr, "GL_EXT_abgr"));
}

TEST(AdvancedGLTest, InitBuildsThreeMarkerCirclesAndSwitchesVerticalSyncOff)
{
    ASSERT_TRUE(OpenTestContext(kSide, kSide));
    const int result = InitAdvancedGL();
    EXPECT_EQ(SwapInterval(), result == 1 ? 0 : -1);
    EXPECT_TRUE(HasVertexBuffers());

    const CMeshData* marker = MarkerMesh();
    ASSERT_NE(marker, nullptr);
    ASSERT_EQ(marker->vertexCount, 60u);
    // Angles step by 2 x 3.1714 / 20: position 19 sits at 6.02566 radians,
    // a little short of the start, and position 25 (step 5) just past a quarter turn.
    const float expected[][4] = {{0, 1, 0, 0}, {19, 0.967023f, -0.254688f, 0}, {25, -0.014904f, 0, 0.999889f},
                                 {40, 0, 1, 0}, {59, 0, 0.967023f, -0.254688f}};
    for (const auto& position : expected)
        for (int axis = 0; axis < 3; ++axis)
            EXPECT_NEAR(marker->vertices[3 * static_cast<int>(position[0]) + axis], position[1 + axis], 1e-5f);

    ShutdownAdvancedGL();
    EXPECT_EQ(MarkerMesh(), nullptr);
    EXPECT_FALSE(HasVertexBuffers());
}
