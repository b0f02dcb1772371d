#pragma once

namespace GUI
{

// Rectangle outlines in the current colour and matrix, for panels, board
// squares and markers. Coordinates are corners, left < right, bottom < top.

// A closed one-pixel line through the four corners, counter-clockwise from
// the bottom left.
void DrawOutline(int left, int bottom, int right, int top);

// The lines of a grid of cells by cells squares, cellSize pixels a side,
// from its bottom left corner: the pixels each cell's own DrawOutline would
// light, neighbours sharing their edges, drawn as twice cells + 2 long lines
// in one batch instead of four short ones a cell.
void DrawGrid(int left, int bottom, int cells, int cellSize);

// A band of the given width inside the rectangle, made of filled strips: the
// bottom and top ones span the whole width, the sides fill in between.
void DrawThickOutline(int left, int bottom, int right, int top, int width);

} // namespace GUI
