#pragma once

#include <vector>

// Signed distances, in pixels, from a point to simple shapes: negative
// inside, positive outside. Coverage turns a distance into an anti-aliased
// edge one pixel wide.
struct Point
{
    float x;                                // pixels, to the right
    float y;                                // pixels, downwards
};

namespace Shape
{

float Circle(Point p, Point centre, float radius);
float Box(Point p, Point centre, Point halfSize, float cornerRadius);   // rounded corners of that radius
float Segment(Point p, Point from, Point to, float halfWidth);          // a stroke with round ends
float Polygon(Point p, const std::vector<Point>& corners);              // any simple polygon

float Coverage(float distance);             // 1 inside, 0 outside, a linear ramp across the edge pixel

Point Rotated(Point p, Point centre, float radians);

} // namespace Shape
