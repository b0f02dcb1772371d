#include "engine/Canvas.h"

#include <algorithm>
#include <cmath>

CanvasPlacement PlaceCanvas(int canvasWidth, int canvasHeight, int areaWidth, int areaHeight)
{
    if (canvasWidth <= 0 || canvasHeight <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return {0, 0, 0, 0};
    const double scale = std::min(static_cast<double>(areaWidth) / canvasWidth,
                                  static_cast<double>(areaHeight) / canvasHeight);
    const int width = std::min(areaWidth, static_cast<int>(std::lround(canvasWidth * scale)));
    const int height = std::min(areaHeight, static_cast<int>(std::lround(canvasHeight * scale)));
    return {(areaWidth - width) / 2, (areaHeight - height) / 2, width, height};
}

void AreaToCanvas(const CanvasPlacement& placement, int canvasWidth, int canvasHeight, int areaHeight,
                  double& x, double& y)
{
    if (placement.width <= 0 || placement.height <= 0)
        return;
    const int top = areaHeight - placement.y - placement.height;
    x = std::floor((x - placement.x) * canvasWidth / placement.width);
    y = std::floor((y - top) * canvasHeight / placement.height);
}
