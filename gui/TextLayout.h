#pragma once

#include <cstdint>

namespace GUI
{

// Positions worked out from text sizes, in pixels. A font may give a glyph
// any size an int holds, so each sum is taken in 64 bits and saturated to
// the int range rather than wrapped.
int SaturatedPixels(std::int64_t value);
int CentredIn(int boxStart, int boxSize, int size);    // boxStart + (boxSize - size) / 2, truncated toward zero
int Beyond(int start, int size);                       // start + size
int Below(int top, int size);                          // top - size

} // namespace GUI
