#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "engine/Canvas.h"

// Whole scaled scenes, bars beside them and clicks on them are the end-to-end
// tests'; here the rounding and the degenerate windows.
TEST(CanvasTest, LargestUniformScaleCentredWithBarsOnTheFreeSides)
{
    const std::array<int, 6> cases[] = {
        // area width, height; expected x, y, width, height
        {600, 960, 0, 240, 600, 480},           // bars above and below
        {601, 481, 0, 0, 601, 481},             // 481 / 480 rounds to the width 601
        {300, 100, 87, 0, 125, 100},
        {0, 480, 0, 0, 0, 0},                   // a minimised window
    };
    for (const auto& item : cases)
    {
        const CanvasPlacement placed = PlaceCanvas(600, 480, item[0], item[1]);
        EXPECT_EQ((std::array<int, 6>{item[0], item[1], placed.x, placed.y, placed.width, placed.height}), item);
    }
}

TEST(CanvasTest, PointsOfTheWindowLandOnTheCanvasRoundedDownAndBarsLieOutsideIt)
{
    const std::array<double, 6> cases[] = {
        // area width, height, point x, y; expected canvas x, y
        {1200, 960, 149.9, 659.9, 74, 329},
        {900, 480, 100, 200, -50, 200},         // on the left bar
        {900, 480, 800, 479, 650, 479},         // on the right bar
        {600, 960, 10, 100, 10, -140},          // on the upper bar
        {0, 0, 12, 34, 12, 34},                 // nothing shown: left as it is
    };
    for (const auto& item : cases)
    {
        double x = item[2], y = item[3];
        AreaToCanvas(PlaceCanvas(600, 480, item[0], item[1]), 600, 480, item[1], x, y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(item[4], item[5]))
            << item[0] << " by " << item[1] << " at " << item[2] << ", " << item[3];
    }
}
