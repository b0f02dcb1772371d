#pragma once

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Pieces.h"
#include "tools/assetgen/Shapes.h"

struct FontSet;

// A piece of the board as the game screen draws it: the darkened wooden
// background under white grid lines, stones tinted by side, the king.
class CBoardView
{
public:
    // corner: where the square at column 0, row 0 (the top row of the
    // view) has its upper left corner; square: its side in pixels.
    CBoardView(int width, int height, Point corner, float square);

    Point Centre(int column, int row) const;
    void PlaceStone(int column, int row, Pieces::Side side);
    void PlaceKing(FontSet& fonts, int column, int row);
    void Link(int column, int row, int toColumn, int toRow);   // a gilt bar joining two stones of a group

    const CCanvas& Picture() const;
    CCanvas& Picture();

private:
    int PieceSize() const;                  // pixels; the game's 32 in a 38 square, scaled

    CCanvas m_picture;                      // the view
    Point   m_corner;                       // pixels; the upper left corner of column 0, row 0
    float   m_square;                       // pixels; the side of one square
};
