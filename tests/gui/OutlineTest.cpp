#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <vector>

#include "gui/Outline.h"
#include "support/GLContext.h"

namespace
{

const int kSide = 64;                       // the window the gui tests share, one pixel per unit
const int kGrey = 100;                      // of 255, the colour outlines are drawn in

// The outlines a test draws in a dark grey added to black, so that a pixel
// drawn twice shows: the rows top first, parted by '/', of '.' for black,
// '#' for the grey once and '2' for anything brighter.
class OutlineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTestContext(kSide, kSide));
        DrawPixelForUnit(kSide, kSide);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
        glColor3ub(kGrey, kGrey, kGrey);
    }

    void TearDown() override { glDisable(GL_BLEND); }

    static std::string Lit(int width, int height)
    {
        std::vector<unsigned char> pixels(4 * kSide * kSide);
        glReadPixels(0, 0, kSide, kSide, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        std::string rows;
        for (int y = height - 1; y >= 0; --y)
        {
            for (int x = 0; x < width; ++x)
            {
                const int red = pixels[4 * (y * kSide + x)];
                rows += red == 0 ? '.' : red == kGrey ? '#' : '2';
            }
            rows += y > 0 ? "/" : "";
        }
        return rows;
    }
};

} // namespace

// The line runs on pixel edges, so each side lights the pixels to its left
// and below: the frame sits one pixel down and left of the rectangle, the
// corner where the line starts and ends stays dark, and the top right one is
// lit by two sides. Panels, board squares and the turn frame are drawn so.
TEST_F(OutlineTest, OneLineLightsTheEdgePixelsBelowAndLeftButItsStartingCorner)
{
    GUI::DrawOutline(2, 2, 8, 6);
    EXPECT_EQ(Lit(10, 8), "........../........../.######2../.#.....#../"
                          ".#.....#../.#.....#../..######../..........");
}

// The board's grid: the same pixels as each cell's own outline. Additive
// grey counts the draws, so the comparison is of lit pixels, not of how
// often each was lit (edges that cells share are drawn twice as outlines).
TEST_F(OutlineTest, GridLightsWhatItsCellsOutlinesLight)
{
    const int cells = 4;
    const int cell = 7;
    for (int row = 0; row < cells; ++row)
        for (int column = 0; column < cells; ++column)
            GUI::DrawOutline(3 + column * cell, 2 + row * cell, 3 + (column + 1) * cell, 2 + (row + 1) * cell);
    std::string outlines = Lit(34, 34);
    glClear(GL_COLOR_BUFFER_BIT);
    GUI::DrawGrid(3, 2, cells, cell);
    std::string grid = Lit(34, 34);
    for (std::string* picture : {&outlines, &grid})
        for (char& pixel : *picture)
            pixel = pixel == '2' ? '#' : pixel;
    EXPECT_EQ(grid, outlines);
    EXPECT_NE(grid.find('#'), std::string::npos);
}

// Filled strips cover exactly the pixels inside the rectangle: a band of the
// width given, with nothing drawn twice.
TEST_F(OutlineTest, ThickOneIsABandOfItsWidthInsideTheRectangle)
{
    GUI::DrawThickOutline(1, 1, 9, 8, 2);
    EXPECT_EQ(Lit(10, 9), "........../.########./.########./.##....##./"
                          ".##....##./.##....##./.########./.########./..........");
}
