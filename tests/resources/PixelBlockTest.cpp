#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "resources/PixelBlock.h"
#include "resources/Texture.h"
#include "support/GLContext.h"

// Blocks copied onto a hidden window's framebuffer, against the same pixels
// drawn the usual way: cleared, then a textured quad sampled nearest.
namespace
{

const int kSide = 16;                       // the part of the window the tests draw on and read
const std::uint8_t kFill[4] = {10, 20, 30, 40};

// A 4 by 2 picture, bottom row first, every texel different.
void MakePicture(CTextureData& picture, std::uint16_t bytesPerPixel)
{
    picture.width = 4;
    picture.height = 2;
    picture.bytesPerPixel = bytesPerPixel;
    picture.pixels = new std::uint8_t[4 * 2 * bytesPerPixel];
    for (int at = 0; at < 4 * 2 * bytesPerPixel; ++at)
        picture.pixels[at] = static_cast<std::uint8_t>(200 - 7 * at);
}

std::vector<std::uint8_t> Window()
{
    std::vector<std::uint8_t> pixels(4 * kSide * kSide);
    glReadPixels(0, 0, kSide, kSide, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// Something other than the block everywhere, so that a pixel the copy
// misses shows.
void ClearToRed()
{
    glDisable(GL_SCISSOR_TEST);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

} // namespace

// A 6 by 5 block at (3, 2), its picture overhanging the block's left and top
// edges: the copy turns no row over, cuts the picture where the clear would
// have, and keeps the fill's alpha.
TEST(PixelBlockTest, CopiesThePixelsAClearAndThePictureDrawnUnscaledLeave)
{
    ASSERT_TRUE(OpenTestContext(kSide, kSide));
    DrawPixelForUnit(kSide, kSide);

    CTextureObject picture;
    MakePicture(picture, 3);
    ASSERT_TRUE(picture.Create(TextureOptions{}, "picture"));
    ClearToRed();
    glEnable(GL_SCISSOR_TEST);
    glScissor(3, 2, 6, 5);
    glClearColor(kFill[0] / 255.0f, kFill[1] / 255.0f, kFill[2] / 255.0f, kFill[3] / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    picture.Bind(true);
    // Replacing with a picture without alpha takes the alpha from the colour,
    // whatever an earlier test in the process left it.
    glColor4ub(255, 255, 255, 255);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(2, 6);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2i(6, 6);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2i(6, 8);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2i(2, 8);
    glEnd();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
    const std::vector<std::uint8_t> drawn = Window();

    CPixelBlock block;
    ASSERT_TRUE(block.Create(6, 5, kFill, picture, -1, 4));
    ClearToRed();
    // A scissor that would cut almost all of it away.
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, 1);
    block.Copy(3, 2);
    EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
    glDisable(GL_SCISSOR_TEST);
    const std::vector<std::uint8_t> copied = Window();
    EXPECT_EQ(copied, drawn);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // At the block's bottom-left corner, the framebuffer's (3, 2), the fill;
    // at the block's (0, 4), the framebuffer's (3, 6), the picture's second
    // texel of its bottom row, since the first overhangs.
    const std::uint8_t* pixel = &copied[4 * (6 * kSide + 3)];
    EXPECT_EQ(std::vector<int>(pixel, pixel + 4), std::vector<int>({179, 172, 165, 255}));
    const std::uint8_t* fill = &copied[4 * (2 * kSide + 3)];
    EXPECT_EQ(std::vector<int>(fill, fill + 4), std::vector<int>({10, 20, 30, 40}));
}

// Alpha would need blending with what lies under the block, which a copy
// does not do; such a picture is left to be drawn.
TEST(PixelBlockTest, RefusesAPictureWithAlpha)
{
    ASSERT_TRUE(OpenTestContext(kSide, kSide));
    CTextureData picture;
    MakePicture(picture, 4);
    CPixelBlock block;
    EXPECT_FALSE(block.Create(6, 5, kFill, picture, 0, 0));
    EXPECT_FALSE(block.Ready());
}
