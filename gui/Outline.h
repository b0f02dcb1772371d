#pragma once

namespace GUI
{

// Rectangle outlines in the current colour and matrix, for panels, board
// squares and markers. Coordinates are corners, left < right, bottom < top.

// A closed one-pixel line through the four corners, counter-clockwise from
// the bottom left.
void DrawOutline(int left, int bottom, int right, int top);

// A band of the given width inside the rectangle, made of filled strips: the
// bottom and top ones span the whole width, the sides fill in between.
void DrawThickOutline(int left, int bottom, int right, int top, int width);

} // namespace GUI
