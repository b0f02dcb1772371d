#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "resources/File.h"
#include "resources/Texture.h"
#include "tests/tools/GeneratedFiles.h"

namespace
{

std::string CardName(int card) { return "card" + std::to_string(card / 8 + 1) + "_" + std::to_string(card % 8 + 1); }

// A picture decoded by the game's own reader, addressed as it is seen:
// x to the right, y up from the bottom row.
struct Picture
{
    explicit Picture(const std::string& name)
    {
        CFile file;
        decoded = file.Open(AssetPath(name + ".tga")) && ReadTGA(file, data);
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
double Luminance(const Colour& rgb) { return 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]; }

// The mean colour of the pixels at least this opaque and this light.
std::array<double, 3> Average(const Picture& picture, int minAlpha, double minLuminance)
{
    std::array<double, 3> sum = {};
    double count = 0;
    for (int y = 0; y < picture.data.height; ++y)
        for (int x = 0; x < picture.data.width; ++x)
            if (picture.Alpha(x, y) >= minAlpha && Luminance(picture.At(x, y)) >= minLuminance)
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
        std::vector<std::array<int, 2>> ink;
        std::array<int, 2> low = {32, 64}, high = {-1, -1};
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 32; ++x)
                if (const std::uint8_t* p = picture.At(x, y); p[0] - p[1] > 90 && p[0] - p[2] > 90)
                {
                    ink.push_back({x, y});
                    low = {std::min(low[0], x), std::min(low[1], y)};
                    high = {std::max(high[0], x), std::max(high[1], y)};
                }
        ASSERT_GT(low[1], 32) << "the arrow sits in the upper half";
        for (int axis = 0; axis < 2; ++axis)
        {
            const double middle = (low[axis] + high[axis]) / 2.0;
            double lean = 0;
            for (const std::array<int, 2>& point : ink)
                lean += (point[axis] > middle) - (point[axis] < middle);
            lean /= static_cast<double>(ink.size());
            EXPECT_EQ(std::fabs(lean) < 0.05 ? 0 : lean > 0 ? 1 : -1, steps[card % 8][axis]) << "axis " << axis;
        }
    }
}

TEST(AssetPictures, PiecesAndTitleStandOnAClearGround)
{
    for (const char* name : {"king", "rose", "knight1", "knight2", "knightss", "valdmoor"})
    {
        SCOPED_TRACE(name);
        const Picture picture(name);
        ASSERT_TRUE(picture.decoded);
        const int w = picture.data.width, h = picture.data.height;
        EXPECT_EQ(picture.Alpha(0, 0) + picture.Alpha(w - 1, h - 1), 0) << "corners";
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
    const Picture stone("rose"), red("knight1"), white("knight2");
    ASSERT_TRUE(stone.decoded && red.decoded && white.decoded);
    const std::uint8_t* middle = stone.At(15, 16);
    EXPECT_EQ(stone.Alpha(15, 16), 255);
    EXPECT_GE(Luminance(middle), 150);
    EXPECT_LE(std::abs(middle[0] - middle[2]), 16);
    const std::array<double, 3> r = Average(red, 250, 60), w = Average(white, 250, 60);
    EXPECT_GT(r[0] - r[1], 80);
    EXPECT_GT(std::min({w[0], w[1], w[2]}), 130);
}

// White captions stay readable on both looks.
TEST(AssetPictures, ButtonUnderThePointerIsLighterAndBothAreDarkInTheMiddle)
{
    const Picture out("buttonOut"), over("buttonOver");
    ASSERT_TRUE(out.decoded && over.decoded);
    EXPECT_GT(Luminance(Average(over, 255, 0)), Luminance(Average(out, 255, 0)) + 20);
    EXPECT_LT(std::max(Luminance(over.At(64, 16)), Luminance(out.At(64, 16))), 110);
}
