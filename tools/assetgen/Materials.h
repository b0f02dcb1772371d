#pragma once

#include <cstdint>

#include "tools/assetgen/Colour.h"

// Surfaces shared by the pictures, as colours at a point (pixels, y down).
namespace Material
{

Colour Wood(float x, float y, float scale, std::uint32_t seed);     // dark planks running across; scale 1 for full size
Colour Gold(float light);                                           // polished gold, light -1 (away) .. 1 (facing the light)
Colour Parchment(float x, float y, float width, float height, std::uint32_t seed);  // aged towards the edges of that area

} // namespace Material
