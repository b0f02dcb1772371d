#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "resources/File.h"
#include "resources/Texture.h"
#include "tests/tools/GeneratedFiles.h"

namespace
{

struct ExpectedPicture
{
    std::string name;
    int         width;                      // pixels
    int         height;                     // pixels
    int         depth;                      // bits per pixel
    int         imageType;                  // 2 uncompressed, 10 run-length encoded
    bool        topFirst;                   // descriptor bit 5
};

std::string CardName(int card)
{
    return "card" + std::to_string(card / 8 + 1) + "_" + std::to_string(card % 8 + 1) + ".tga";
}

std::vector<ExpectedPicture> ExpectedPictures()
{
    std::vector<ExpectedPicture> pictures = {
        {"king.tga", 32, 32, 32, 2, true},           {"rose.tga", 32, 32, 32, 2, true},
        {"knight1.tga", 16, 16, 32, 2, false},       {"knight2.tga", 16, 16, 32, 2, false},
        {"knightss.tga", 64, 64, 32, 10, false},     {"mainBackground.tga", 472, 512, 24, 2, false},
        {"valdmoor.tga", 480, 128, 32, 10, false},   {"buttonOut.tga", 128, 32, 32, 10, true},
        {"buttonOver.tga", 128, 32, 32, 10, true},   {"tabvisible.tga", 128, 32, 24, 2, true},
        {"tabhidden.tga", 128, 32, 16, 2, false},    {"tabhiddenover.tga", 128, 32, 16, 2, false},
        {"kingexample.tga", 64, 64, 24, 2, true},    {"knightexample.tga", 128, 128, 24, 10, true},
        {"scoringexample1.tga", 128, 128, 16, 2, true}, {"scoringexample2.tga", 128, 128, 16, 2, false},
    };
    for (int card = 0; card < 24; ++card)
        pictures.push_back({CardName(card), 32, 64, 24, 10, false});
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

// Of a pixel or of a mean colour.
template <typename Colour>
double Luminance(const Colour& rgb)
{
    return 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2];
}

// The mean colour of the pixels that pass.
std::array<double, 3> Average(const Picture& picture, const std::function<bool(int, int)>& passes)
{
    std::array<double, 3> sum = {};
    double count = 0;
    for (int y = 0; y < picture.data.height; ++y)
        for (int x = 0; x < picture.data.width; ++x)
            if (passes(x, y))
            {
                for (int c = 0; c < 3; ++c)
                    sum[c] += picture.At(x, y)[c];
                ++count;
            }
    for (double& channel : sum)
        channel /= count;
    return sum;
}

} // namespace

TEST(AssetPictures, EveryPictureIsStoredInItsFormAndDecodesToItsSize)
{
    std::set<std::pair<int, int>> forms;    // depth, image type
    std::set<bool> rowOrders;
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
        forms.insert({bytes[16], bytes[2]});
        rowOrders.insert((bytes[17] & 0x20) != 0);

        const Picture picture(expected.name);
        ASSERT_TRUE(picture.decoded);
        EXPECT_EQ(picture.data.width, expected.width);
        EXPECT_EQ(picture.data.height, expected.height);
        EXPECT_EQ(picture.data.bytesPerPixel, expected.depth == 32 ? 4 : 3);
    }
    // Every form the reader takes is used.
    EXPECT_EQ(forms, (std::set<std::pair<int, int>>{{16, 2}, {24, 2}, {24, 10}, {32, 2}, {32, 10}}));
    EXPECT_EQ(rowOrders, (std::set<bool>{false, true}));
}

// The arrow's head carries more ink than its tail: of the arrow's ink, more
// lies on the tip's side of the middle of its extent.
TEST(AssetPictures, EveryCardsArrowPointsItsWay)
{
    const int steps[8][2] = {{0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}};   // x, y
    for (int card = 0; card < 24; ++card)
    {
        SCOPED_TRACE(CardName(card));
        const Picture picture(CardName(card));
        ASSERT_TRUE(picture.decoded);
        std::vector<std::pair<int, int>> ink;
        int left = 32, right = -1, bottom = 64, top = -1;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 32; ++x)
            {
                const std::uint8_t* p = picture.At(x, y);
                if (p[0] - p[1] <= 90 || p[0] - p[2] <= 90)
                    continue;
                ink.emplace_back(x, y);
                left = std::min(left, x);
                right = std::max(right, x);
                bottom = std::min(bottom, y);
                top = std::max(top, y);
            }
        ASSERT_GT(bottom, 32) << "the arrow sits in the upper half";
        const double middleX = (left + right) / 2.0, middleY = (bottom + top) / 2.0;
        double leanX = 0, leanY = 0;
        for (const auto& [x, y] : ink)
        {
            leanX += (x > middleX) - (x < middleX);
            leanY += (y > middleY) - (y < middleY);
        }
        const auto sign = [&ink](double lean) {
            lean /= static_cast<double>(ink.size());
            return std::fabs(lean) < 0.05 ? 0 : lean > 0 ? 1 : -1;
        };
        EXPECT_EQ(sign(leanX), steps[card % 8][0]);
        EXPECT_EQ(sign(leanY), steps[card % 8][1]);
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
// nearly colourless grey; the knights wear their sides' colours.
TEST(AssetPictures, StoneIsALightGreyForTheGameToTintAndKnightsWearTheirSidesColours)
{
    const Picture stone("rose.tga"), red("knight1.tga"), white("knight2.tga");
    ASSERT_TRUE(stone.decoded && red.decoded && white.decoded);
    const std::uint8_t* middle = stone.At(15, 16);
    EXPECT_EQ(stone.Alpha(15, 16), 255);
    EXPECT_GE(Luminance(middle), 150);
    EXPECT_LE(std::abs(middle[0] - middle[2]), 16);

    const auto fill = [](const Picture& knight) {
        return Average(knight, [&knight](int x, int y) {
            return knight.Alpha(x, y) >= 250 && Luminance(knight.At(x, y)) >= 60;
        });
    };
    const std::array<double, 3> r = fill(red), w = fill(white);
    EXPECT_GT(r[0] - r[1], 80);
    EXPECT_GT(std::min({w[0], w[1], w[2]}), 130);
}

TEST(AssetPictures, ButtonUnderThePointerIsLighter)
{
    const Picture out("buttonOut.tga"), over("buttonOver.tga");
    ASSERT_TRUE(out.decoded && over.decoded);
    const auto opaque = [](const Picture& button) {
        return Luminance(Average(button, [&button](int x, int y) { return button.Alpha(x, y) == 255; }));
    };
    EXPECT_GT(opaque(over), opaque(out) + 20);
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
