#pragma once

#include "tools/assetgen/Canvas.h"

struct FontSet;

// The pieces on the board, drawn at any size (pixels square): the stone that
// the game tints red or white, the king and the knights.
namespace Pieces
{

enum class Side
{
    Red,
    White
};

CCanvas Stone(int size);                                // light grey with a rose in relief, transparent around
CCanvas TintedStone(int size, Side side);               // the stone as the game draws it for that side
CCanvas King(FontSet& fonts, int size);                 // a golden chess king
CCanvas Knight(FontSet& fonts, int size, Side side);    // a chess knight in the side's colour

} // namespace Pieces
