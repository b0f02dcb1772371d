#include <gtest/gtest.h>

#include "engine/Window.h"
#include "resources/AdvancedGL.h"
#include "resources/Mesh.h"
#include "support/GLContext.h"

TEST(ExtensionListTest, NameCountsOnlyAsAWholeWordOfTheList)
{
    const char* list = "GL_ARB_vertex_buffer_object_x GL_EXT_abgr GL_ARB_vertex_buffer_object";
    EXPECT_TRUE(IsExtensionInList(list, "GL_ARB_vertex_buffer_object"));
    EXPECT_TRUE(IsExtensionInList(list, "GL_EXT_abgr"));
    EXPECT_TRUE(IsExtensionInList("GL_EXT_abgr", "GL_EXT_abgr"));
    EXPECT_FALSE(IsExtensionInList(list, "GL_ARB_vertex_buffer"));
    EXPECT_FALSE(IsExtensionInList(list, "EXT_abgr"));
    EXPECT_FALSE(IsExtensionInList("GL_ARB_vertex_buffer_object_x", "GL_ARB_vertex_buffer_object"));
    // An empty name, a name with a space or no list at all is never supported.
    EXPECT_FALSE(IsExtensionInList("GL_EXT_abgr GL_EXT_bgra", ""));
    EXPECT_FALSE(IsExtensionInList("GL_EXT_abgr GL_EXT_bgra", "GL_EXT_abgr GL_EXT_bgra"));
    EXPECT_FALSE(IsExtensionInList(nullptr, "GL_EXT_abgr"));
}

TEST(AdvancedGLTest, InitBuildsThreeMarkerCirclesAndSwitchesVerticalSyncOff)
{
    ASSERT_TRUE(OpenTestContext());
    EXPECT_FALSE(IsExtensionSupported("GL_ARB_vertex_buffer")); // a prefix of the context's extension
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
