#pragma once

#include "tools/assetgen/Canvas.h"

struct FontSet;

// The 24 movement cards, 32 by 64: an arrow for the direction and a
// numeral for the distance on a parchment face in a golden frame.
namespace Cards
{

const int kWidth = 32;                      // pixels
const int kHeight = 64;                     // pixels

// distance 1..3; direction 0..7: up, then clockwise in steps of 45 degrees
// (up and right, right, down and right, ... up and left).
CCanvas Card(FontSet& fonts, int distance, int direction);

} // namespace Cards
