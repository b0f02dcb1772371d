#pragma once

#include <string>

#include "tools/assetgen/Typeface.h"

// The DejaVu faces that every lettering and symbol of the set comes from.
struct FontSet
{
    explicit FontSet(const std::string& folder)
        : sans(folder + "/DejaVuSans.ttf"), sansBold(folder + "/DejaVuSans-Bold.ttf"),
          serifBold(folder + "/DejaVuSerif-Bold.ttf")
    {
    }

    bool IsOpen() const { return sans.IsOpen() && sansBold.IsOpen() && serifBold.IsOpen(); }

    CTypeface sans;                         // the game's text, and the chess and flower symbols
    CTypeface sansBold;                     // captions and numbers
    CTypeface serifBold;                    // the title
};
