#pragma once

#include "tools/assetgen/Canvas.h"

struct FontSet;

// The pictures of the help pages, each showing what its text tells.
namespace HelpPictures
{

CCanvas KingExample(FontSet& fonts);        // 64 by 64: the king on its square
CCanvas Horsemen(FontSet& fonts);           // 64 by 64: a side's four knights
CCanvas KnightExample(FontSet& fonts);      // 128 by 128: Red's two squares left onto a White stone
CCanvas ScoringExample1(FontSet& fonts);    // 128 by 128: a White pair, two diagonal Red stones
CCanvas ScoringExample2(FontSet& fonts);    // 128 by 128: three White in a row; two Red pairs and a single

} // namespace HelpPictures
