#include <gtest/gtest.h>

#include <vector>

#include "engine/startup/WindowIcon.h"
#include "resources/Texture.h"

// The generated icons all carry alpha, which the end-to-end test compares
// pixel for pixel on the window; here a picture without it.
TEST(WindowIconTest, RowsTurnTopFirstAndAPictureWithoutAlphaIsOpaque)
{
    CTextureData picture;
    picture.width = 2;
    picture.height = 2;
    picture.bytesPerPixel = 3;
    picture.pixels = new std::uint8_t[12]{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};   // bottom row first
    const std::vector<unsigned char> expected = {7, 8, 9, 255, 10, 11, 12, 255, 1, 2, 3, 255, 4, 5, 6, 255};
    EXPECT_EQ(IconPixels(picture), expected);
}
