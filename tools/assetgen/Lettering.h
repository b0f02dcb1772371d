#pragma once

#include <string>

#include "tools/assetgen/Mask.h"
#include "tools/assetgen/Shapes.h"

class CTypeface;

// Text or a symbol scaled so that its ink just fits a box (its proportions
// kept), then placed with the middle of its ink at a point of a map of the
// given size.
CMask FittedText(CTypeface& typeface, const std::u32string& text, Point box, Point centre, int width, int height);
