#pragma once

#include "tools/assetgen/Colour.h"

// The colours every picture of the set draws from.
namespace Palette
{

const Colour kWoodDark     = {0.17f, 0.09f, 0.045f, 1.0f};
const Colour kWoodLight    = {0.36f, 0.21f, 0.11f, 1.0f};
const Colour kGoldShadow   = {0.36f, 0.20f, 0.05f, 1.0f};
const Colour kGold         = {0.80f, 0.58f, 0.20f, 1.0f};
const Colour kGoldLight    = {1.00f, 0.92f, 0.62f, 1.0f};
const Colour kParchment    = {0.95f, 0.89f, 0.74f, 1.0f};
const Colour kParchmentAge = {0.80f, 0.66f, 0.44f, 1.0f};
const Colour kInk          = {0.22f, 0.10f, 0.05f, 1.0f};
const Colour kOutline      = {0.09f, 0.04f, 0.02f, 1.0f};
const Colour kCrimson      = {0.72f, 0.09f, 0.07f, 1.0f};
const Colour kCrimsonLight = {0.98f, 0.38f, 0.30f, 1.0f};
const Colour kIvory        = {0.96f, 0.94f, 0.88f, 1.0f};
const Colour kIvoryShadow  = {0.62f, 0.58f, 0.52f, 1.0f};
const Colour kPageGrey     = {0.4f, 0.4f, 0.4f, 1.0f};      // the help pages' own fill, 102 of 255

// The game draws the background with the colour 120 of 255 and tints the
// stone red or white; pictures that show the board do the same.
const float  kBoardDarkening = 120.0f / 255.0f;
const Colour kRedTint        = {1.0f, 0.0f, 0.0f, 1.0f};
const Colour kWhiteTint      = {1.0f, 1.0f, 1.0f, 1.0f};

} // namespace Palette
