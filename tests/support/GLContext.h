#pragma once

#include <gtest/gtest.h>

// Opens one hidden window with a current OpenGL context for the tests of a
// process that draw or upload; later calls reuse it. A failure says why:
// most often there is no display to open the window on.
testing::AssertionResult OpenTestContext(int width = 64, int height = 64);

// Draws on the window's bottom-left `width` by `height` pixels, one unit a
// pixel from that corner: the viewport, the projection, and the model-view
// matrix reset.
void DrawPixelForUnit(int width, int height);
