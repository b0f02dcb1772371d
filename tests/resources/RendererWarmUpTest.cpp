#include <gtest/gtest.h>

#include <GL/gl.h>

#include <vector>

#include "resources/RendererWarmUp.h"
#include "support/GLContext.h"

namespace
{

// What a frame relies on finding as it was left: the colour, blending and
// its factors, texturing.
std::vector<GLint> FrameState()
{
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    GLint source = 0;
    GLint destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    return {static_cast<GLint>(colour[0] * 255.0f + 0.5f), static_cast<GLint>(colour[1] * 255.0f + 0.5f),
            static_cast<GLint>(colour[2] * 255.0f + 0.5f), static_cast<GLint>(colour[3] * 255.0f + 0.5f),
            glIsEnabled(GL_BLEND), source, destination, glIsEnabled(GL_TEXTURE_2D)};
}

} // namespace

// The warm-up draws in colours and blend modes of its own, from whatever
// state start-up left, and hands every bit of it back.
TEST(RendererWarmUpTest, LeavesTheColourBlendingAndTexturingItFound)
{
    ASSERT_TRUE(OpenTestContext(16, 16));
    for (const bool on : {false, true})
    {
        glColor4ub(10, 20, 30, 40);
        glBlendFunc(on ? GL_ONE : GL_ZERO, on ? GL_ZERO : GL_ONE);
        on ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
        on ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D);
        const std::vector<GLint> before = FrameState();
        WarmUpRenderer();
        EXPECT_EQ(FrameState(), before) << (on ? "blending and texturing on" : "both off");
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
