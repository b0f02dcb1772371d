#pragma once

#include "tools/assetgen/Canvas.h"

struct FontSet;

// The application icon at any size: the golden king over a red and a white
// stone on a wooden tile with a gilt rim.
CCanvas ApplicationIcon(FontSet& fonts, int size);
