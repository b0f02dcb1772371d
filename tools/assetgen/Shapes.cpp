#include "tools/assetgen/Shapes.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/Colour.h"

namespace Shape
{

float Circle(Point p, Point centre, float radius)
{
    return std::hypot(p.x - centre.x, p.y - centre.y) - radius;
}

float Box(Point p, Point centre, Point halfSize, float cornerRadius)
{
    const float qx = std::fabs(p.x - centre.x) - halfSize.x + cornerRadius;
    const float qy = std::fabs(p.y - centre.y) - halfSize.y + cornerRadius;
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    const float inside = std::min(std::max(qx, qy), 0.0f);
    return outside + inside - cornerRadius;
}

float Segment(Point p, Point from, Point to, float halfWidth)
{
    const float ax = p.x - from.x;
    const float ay = p.y - from.y;
    const float bx = to.x - from.x;
    const float by = to.y - from.y;
    const float length = bx * bx + by * by;
    const float t = length > 0.0f ? Clamp01((ax * bx + ay * by) / length) : 0.0f;
    return std::hypot(ax - bx * t, ay - by * t) - halfWidth;
}

float Polygon(Point p, const std::vector<Point>& corners)
{
    float nearest = 1e30f;
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++)
    {
        const Point& a = corners[i];
        const Point& b = corners[j];
        nearest = std::min(nearest, Segment(p, a, b, 0.0f));
        // Even-odd crossing test along a ray to the right.
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside ? -nearest : nearest;
}

float Coverage(float distance)
{
    return Clamp01(0.5f - distance);
}

Point Rotated(Point p, Point centre, float radians)
{
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    const float x = p.x - centre.x;
    const float y = p.y - centre.y;
    return {centre.x + x * c - y * s, centre.y + x * s + y * c};
}

} // namespace Shape
