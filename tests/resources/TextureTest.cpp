#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "resources/Texture.h"
#include "support/GLContext.h"

namespace
{

class TextureTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(OpenTestContext()); }

    void Fill(std::uint16_t width, std::uint16_t height, std::uint16_t bytesPerPixel)
    {
        texture.width = width;
        texture.height = height;
        texture.bytesPerPixel = bytesPerPixel;
        const std::size_t size = width * height * bytesPerPixel;
        texture.pixels = new std::uint8_t[size];
        for (std::size_t i = 0; i < size; ++i)
            texture.pixels[i] = static_cast<std::uint8_t>(i * 7);
    }

    static GLint LevelWidth(GLint level)
    {
        GLint width = -1;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
        return width;
    }

    CTextureObject texture;
};

} // namespace

TEST_F(TextureTest, RowsOfAnyLengthUploadUnpadded)
{
    Fill(3, 2, 3);
    ASSERT_TRUE(texture.Create(TextureOptions{false}));
    EXPECT_NE(texture.textureName, 0u);

    std::vector<std::uint8_t> uploaded(18);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_EQ(0, std::memcmp(uploaded.data(), texture.pixels, uploaded.size()));
    EXPECT_EQ(LevelWidth(0), 3);
    EXPECT_EQ(LevelWidth(1), 0);
}

TEST_F(TextureTest, MipmapsBuildTheWholeChain)
{
    Fill(4, 4, 4);
    ASSERT_TRUE(texture.Create(TextureOptions{true}));
    EXPECT_EQ(LevelWidth(0), 4);
    EXPECT_EQ(LevelWidth(2), 1);
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_LINEAR);
}

TEST_F(TextureTest, BindingEnablesBlendingForAlphaTexturesOnly)
{
    Fill(1, 1, 3);
    ASSERT_TRUE(texture.Create(TextureOptions{false}));
    CTextureObject alpha;
    alpha.width = alpha.height = 1;
    alpha.bytesPerPixel = 4;
    alpha.pixels = new std::uint8_t[4]{1, 2, 3, 4};
    ASSERT_TRUE(alpha.Create(TextureOptions{false}));

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    texture.Bind();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), texture.textureName);

    alpha.Bind();
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), alpha.textureName);
}
