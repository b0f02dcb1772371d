#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdint>
#include <vector>

#include "resources/Texture.h"
#include "support/GLContext.h"

namespace
{

// Pixels whose bytes count up by sevens.
void Fill(CTextureObject& texture, std::uint16_t width, std::uint16_t height, std::uint16_t bytesPerPixel)
{
    texture.width = width;
    texture.height = height;
    texture.bytesPerPixel = bytesPerPixel;
    texture.pixels = new std::uint8_t[width * height * bytesPerPixel];
    for (int i = 0; i < width * height * bytesPerPixel; ++i)
        texture.pixels[i] = static_cast<std::uint8_t>(i * 7);
}

GLint LevelWidth(GLint level)
{
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
}

GLint Integer(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

} // namespace

TEST(TextureTest, UploadKeepsRowsUnpaddedAndBuildsTheMipmapChainOnlyWhenAsked)
{
    ASSERT_TRUE(OpenTestContext());
    CTextureObject texture, mipmapped;
    Fill(texture, 3, 2, 3);
    ASSERT_TRUE(texture.Create(TextureOptions{false}));
    std::vector<std::uint8_t> uploaded(18);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_EQ(uploaded, std::vector<std::uint8_t>(texture.pixels, texture.pixels + 18));
    EXPECT_EQ(std::make_pair(LevelWidth(0), LevelWidth(1)), std::make_pair(3, 0));

    Fill(mipmapped, 4, 4, 4);
    ASSERT_TRUE(mipmapped.Create(TextureOptions{true}));
    EXPECT_EQ(std::make_pair(LevelWidth(0), LevelWidth(2)), std::make_pair(4, 1));
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);
}

TEST(TextureTest, BindingEnablesBlendingForAlphaTexturesOnly)
{
    ASSERT_TRUE(OpenTestContext());
    CTextureObject texture, alpha;
    Fill(texture, 1, 1, 3);
    Fill(alpha, 1, 1, 4);
    ASSERT_TRUE(texture.Create(TextureOptions{false}) && alpha.Create(TextureOptions{false}));

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    texture.Bind();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D) && !glIsEnabled(GL_BLEND));
    EXPECT_EQ(static_cast<GLuint>(Integer(GL_TEXTURE_BINDING_2D)), texture.textureName);

    alpha.Bind();
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(std::make_pair(Integer(GL_BLEND_SRC), Integer(GL_BLEND_DST)),
              std::make_pair(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA));
    EXPECT_EQ(static_cast<GLuint>(Integer(GL_TEXTURE_BINDING_2D)), alpha.textureName);
}
