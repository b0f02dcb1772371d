#pragma once

// The game draws on a canvas of fixed size; the window shows it uniformly
// scaled to the largest size that fits, centred, with bars on the free sides.

// Where the canvas lies in an area such as the framebuffer.
struct CanvasPlacement
{
    int x;                                  // pixels from the area's left edge
    int y;                                  // pixels from the area's bottom edge
    int width;                              // pixels; 0 when the area is empty
    int height;                             // pixels; 0 when the area is empty
};

// The largest uniform scaling of the canvas that fits the area, centred.
CanvasPlacement PlaceCanvas(int canvasWidth, int canvasHeight, int areaWidth, int areaHeight);

// A point of the area, counted from its top-left corner, in canvas pixels
// from the canvas's top-left corner (rounded down); outside the canvas, the
// result is outside it as well. An empty placement leaves the point as it is.
void AreaToCanvas(const CanvasPlacement& placement, int canvasWidth, int canvasHeight, int areaHeight,
                  double& x, double& y);
