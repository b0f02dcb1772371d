#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "resources/File.h"
#include "resources/Texture.h"
#include "tests/tools/GeneratedFiles.h"

namespace
{

const int kUncompressed = 2;
const int kRunLength = 10;

struct ExpectedPicture
{
    std::string name;
    int         width;                      // pixels
    int         height;                     // pixels
    int         depth;                      // bits per pixel
    int         imageType;                  // 2 or 10
    bool        topFirst;                   // descriptor bit 5
};

std::vector<ExpectedPicture> ExpectedPictures()
{
    std::vector<ExpectedPicture> pictures = {
        {"king.tga", 32, 32, 32, kUncompressed, true},
        {"rose.tga", 32, 32, 32, kUncompressed, true},
        {"knight1.tga", 16, 16, 32, kUncompressed, false},
        {"knight2.tga", 16, 16, 32, kUncompressed, false},
        {"knightss.tga", 64, 64, 32, kRunLength, false},
        {"mainBackground.tga", 472, 512, 24, kUncompressed, false},
        {"valdmoor.tga", 480, 128, 32, kRunLength, false},
        {"buttonOut.tga", 128, 32, 32, kRunLength, true},
        {"buttonOver.tga", 128, 32, 32, kRunLength, true},
        {"tabvisible.tga", 128, 32, 24, kUncompressed, true},
        {"tabhidden.tga", 128, 32, 16, kUncompressed, false},
        {"tabhiddenover.tga", 128, 32, 16, kUncompressed, false},
        {"kingexample.tga", 64, 64, 24, kUncompressed, true},
        {"knightexample.tga", 128, 128, 24, kRunLength, true},
        {"scoringexample1.tga", 128, 128, 16, kUncompressed, true},
        {"scoringexample2.tga", 128, 128, 16, kUncompressed, false},
    };
    for (int distance = 1; distance <= 3; ++distance)
        for (int direction = 1; direction <= 8; ++direction)
            pictures.push_back({"card" + std::to_string(distance) + "_" + std::to_string(direction) + ".tga",
                                32, 64, 24, kRunLength, false});
    return pictures;
}

// A picture decoded by the game's own reader, addressed as it is seen:
// x to the right, y up from the bottom row.
struct Picture
{
    explicit Picture(const std::string& name)
    {
        CFile file;
        decoded = file.Open(AssetPath(name)) && ReadTGA(file, data);
    }

    const std::uint8_t* At(int x, int y) const
    {
        return data.pixels + (static_cast<std::size_t>(y) * data.width + x) * data.bytesPerPixel;
    }

    int Alpha(int x, int y) const { return data.bytesPerPixel == 4 ? At(x, y)[3] : 255; }

    bool         decoded = false;
    CTextureData data;
};

double Luminance(const std::uint8_t* rgb)
{
    return 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2];
}

} // namespace

TEST(AssetPictures, EveryPictureIsStoredInItsForm)
{
    for (const ExpectedPicture& expected : ExpectedPictures())
    {
        SCOPED_TRACE(expected.name);
        const std::vector<std::uint8_t> bytes = FileBytes(AssetPath(expected.name));
        ASSERT_GE(bytes.size(), 18u);
        EXPECT_EQ(bytes[2], expected.imageType);
        EXPECT_EQ(bytes[12] | bytes[13] << 8, expected.width);
        EXPECT_EQ(bytes[14] | bytes[15] << 8, expected.height);
        EXPECT_EQ(bytes[16], expected.depth);
        EXPECT_EQ((bytes[17] & 0x20) != 0, expected.topFirst);
    }
}

TEST(AssetPictures, EveryPictureDecodesToItsSize)
{
    for (const ExpectedPicture& expected : ExpectedPictures())
    {
        SCOPED_TRACE(expected.name);
        const Picture picture(expected.name);
        ASSERT_TRUE(picture.decoded);
        EXPECT_EQ(picture.data.width, expected.width);
        EXPECT_EQ(picture.data.height, expected.height);
        EXPECT_EQ(picture.data.bytesPerPixel, expected.depth == 32 ? 4 : 3);
    }
}

TEST(AssetPictures, EveryFormTheReaderTakesIsUsed)
{
    std::set<std::tuple<int, int>> forms;   // depth, image type
    std::set<bool> rowOrders;
    for (const ExpectedPicture& expected : ExpectedPictures())
    {
        const std::vector<std::uint8_t> bytes = FileBytes(AssetPath(expected.name));
        ASSERT_GE(bytes.size(), 18u) << expected.name;
        forms.insert({bytes[16], bytes[2]});
        rowOrders.insert((bytes[17] & 0x20) != 0);
    }
    EXPECT_EQ(forms, (std::set<std::tuple<int, int>>{{16, 2}, {24, 2}, {24, 10}, {32, 2}, {32, 10}}));
    EXPECT_EQ(rowOrders, (std::set<bool>{false, true}));
}

// The arrow's head carries more ink than its tail: of the arrow's ink, more
// lies on the tip's side of the middle of its extent.
TEST(AssetPictures, EveryCardsArrowPointsItsWay)
{
    const int columnSteps[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    const int rowSteps[8] = {1, 1, 0, -1, -1, -1, 0, 1};
    for (int distance = 1; distance <= 3; ++distance)
        for (int direction = 0; direction < 8; ++direction)
        {
            const std::string name = "card" + std::to_string(distance) + "_" + std::to_string(direction + 1) + ".tga";
            SCOPED_TRACE(name);
            const Picture card(name);
            ASSERT_TRUE(card.decoded);
            const auto red = [&card](int x, int y) {
                const std::uint8_t* p = card.At(x, y);
                return p[0] - p[1] > 90 && p[0] - p[2] > 90;
            };
            int left = 32, right = -1, bottom = 64, top = -1;
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 32; ++x)
                    if (red(x, y))
                    {
                        left = std::min(left, x);
                        right = std::max(right, x);
                        bottom = std::min(bottom, y);
                        top = std::max(top, y);
                    }
            ASSERT_GT(bottom, 32) << "the arrow sits in the upper half";
            const double middleX = (left + right) / 2.0, middleY = (bottom + top) / 2.0;
            double leanX = 0, leanY = 0, ink = 0;
            for (int y = bottom; y <= top; ++y)
                for (int x = left; x <= right; ++x)
                    if (red(x, y))
                    {
                        leanX += x > middleX ? 1 : x < middleX ? -1 : 0;
                        leanY += y > middleY ? 1 : y < middleY ? -1 : 0;
                        ++ink;
                    }
            const auto sign = [](double lean) { return std::fabs(lean) < 0.05 ? 0 : lean > 0 ? 1 : -1; };
            EXPECT_EQ(sign(leanX / ink), columnSteps[direction]);
            EXPECT_EQ(sign(leanY / ink), rowSteps[direction]);
        }
}

TEST(AssetPictures, PiecesAndTitleStandOnAClearGround)
{
    for (const char* name : {"king.tga", "rose.tga", "knight1.tga", "knight2.tga", "knightss.tga", "valdmoor.tga"})
    {
        SCOPED_TRACE(name);
        const Picture picture(name);
        ASSERT_TRUE(picture.decoded);
        const int w = picture.data.width, h = picture.data.height;
        EXPECT_EQ(picture.Alpha(0, 0), 0);
        EXPECT_EQ(picture.Alpha(w - 1, h - 1), 0);
        int opaque = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                opaque += picture.Alpha(x, y) == 255;
        EXPECT_GT(opaque, w * h / 10);
    }
}

// The game multiplies the stone by red or white, so it must be a light,
// nearly colourless grey.
TEST(AssetPictures, StoneIsALightGreyForTheGameToTint)
{
    const Picture stone("rose.tga");
    ASSERT_TRUE(stone.decoded);
    const std::uint8_t* middle = stone.At(15, 16);
    EXPECT_EQ(stone.Alpha(15, 16), 255);
    EXPECT_GE(Luminance(middle), 150);
    EXPECT_LE(std::abs(middle[0] - middle[2]), 16);
}

TEST(AssetPictures, KnightsWearTheirSidesColours)
{
    const auto averageFill = [](const Picture& knight, double rgb[3]) {
        double count = 0;
        rgb[0] = rgb[1] = rgb[2] = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
            {
                const std::uint8_t* p = knight.At(x, y);
                if (knight.Alpha(x, y) < 250 || Luminance(p) < 60)
                    continue;
                for (int c = 0; c < 3; ++c)
                    rgb[c] += p[c];
                ++count;
            }
        for (int c = 0; c < 3; ++c)
            rgb[c] /= count;
    };
    const Picture red("knight1.tga"), white("knight2.tga");
    ASSERT_TRUE(red.decoded && white.decoded);
    double r[3], w[3];
    averageFill(red, r);
    averageFill(white, w);
    EXPECT_GT(r[0] - r[1], 80);
    EXPECT_GT(std::min({w[0], w[1], w[2]}), 130);
}

TEST(AssetPictures, ButtonUnderThePointerIsLighter)
{
    const auto averageLuminance = [](const Picture& button) {
        double sum = 0, count = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 128; ++x)
                if (button.Alpha(x, y) == 255)
                {
                    sum += Luminance(button.At(x, y));
                    ++count;
                }
        return sum / count;
    };
    const Picture out("buttonOut.tga"), over("buttonOver.tga");
    ASSERT_TRUE(out.decoded && over.decoded);
    EXPECT_GT(averageLuminance(over), averageLuminance(out) + 20);
    // White captions stay readable on both.
    EXPECT_LT(Luminance(over.At(64, 16)), 110);
    EXPECT_LT(Luminance(out.At(64, 16)), 110);
}

TEST(AssetPictures, TabHeadersAreRoundedAtTheTopOnly)
{
    for (const char* name : {"tabvisible.tga", "tabhidden.tga", "tabhiddenover.tga"})
    {
        SCOPED_TRACE(name);
        const Picture tab(name);
        ASSERT_TRUE(tab.decoded);
        EXPECT_LT(Luminance(tab.At(0, 31)), 8) << "top left corner";
        EXPECT_LT(Luminance(tab.At(127, 31)), 8) << "top right corner";
        EXPECT_GT(Luminance(tab.At(0, 0)), 30) << "bottom left corner";
        EXPECT_GT(Luminance(tab.At(127, 0)), 30) << "bottom right corner";
    }
}
