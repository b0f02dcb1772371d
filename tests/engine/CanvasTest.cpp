#include <gtest/gtest.h>

#include <vector>

#include "engine/Canvas.h"

namespace
{

struct Placement
{
    int areaWidth;
    int areaHeight;
    CanvasPlacement expected;
};

} // namespace

TEST(CanvasTest, LargestUniformScaleCentredWithBarsOnTheFreeSides)
{
    const Placement cases[] = {
        {600, 480, {0, 0, 600, 480}},           // as drawn before any resize
        {1200, 960, {0, 0, 1200, 960}},
        {900, 480, {150, 0, 600, 480}},         // bars left and right
        {600, 960, {0, 240, 600, 480}},         // bars above and below
        {1920, 1080, {285, 0, 1350, 1080}},
        {601, 481, {0, 0, 601, 481}},           // 481 / 480 rounds to the width 601
        {300, 100, {87, 0, 125, 100}},
        {0, 480, {0, 0, 0, 0}},                 // a minimised window
    };
    for (const Placement& item : cases)
    {
        const CanvasPlacement placed = PlaceCanvas(600, 480, item.areaWidth, item.areaHeight);
        EXPECT_EQ((std::vector<int>{placed.x, placed.y, placed.width, placed.height}),
                  (std::vector<int>{item.expected.x, item.expected.y, item.expected.width, item.expected.height}))
            << item.areaWidth << " by " << item.areaHeight;
    }
}

TEST(CanvasTest, PointsOfTheWindowLandOnTheCanvasAsDrawnAndBarsLieOutsideIt)
{
    struct Point
    {
        int areaWidth;
        int areaHeight;
        double x;
        double y;
        double canvasX;
        double canvasY;
    };
    const Point cases[] = {
        {600, 480, 74.0, 329.0, 74.0, 329.0},
        {1200, 960, 148.0, 658.0, 74.0, 329.0},
        {1200, 960, 149.9, 659.9, 74.0, 329.0},
        {900, 480, 150.0, 0.0, 0.0, 0.0},
        {900, 480, 100.0, 200.0, -50.0, 200.0},     // on the left bar
        {900, 480, 800.0, 479.0, 650.0, 479.0},     // on the right bar
        {600, 960, 10.0, 100.0, 10.0, -140.0},      // on the upper bar
        {0, 0, 12.0, 34.0, 12.0, 34.0},             // nothing shown: left as it is
    };
    for (const Point& item : cases)
    {
        double x = item.x;
        double y = item.y;
        AreaToCanvas(PlaceCanvas(600, 480, item.areaWidth, item.areaHeight), 600, 480, item.areaHeight, x, y);
        EXPECT_EQ(x, item.canvasX) << item.areaWidth << " by " << item.areaHeight << " at " << item.x;
        EXPECT_EQ(y, item.canvasY) << item.areaWidth << " by " << item.areaHeight << " at " << item.y;
    }
}
