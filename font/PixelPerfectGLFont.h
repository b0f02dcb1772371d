#pragma once

#include <string>

#include "font/GLFontBase.h"

// A font drawn in whole pixels, one texel to one pixel: each glyph is a quad
// of its pixel size, the pen moving right by its width. Characters outside
// the font's range are drawn and measured as nothing.
class PixelPerfectGLFont : public GLFontBase
{
public:
    void Create(const std::string& fileName, std::uint32_t textureName);   // loads, nearest-filtered, and measures
    void MeasureGlyphs();                   // the pixel sizes from the texture rectangles; Create calls it

    void DrawString(std::string text, int x, int y, int z) const;   // from x, y up and right, at depth z; throws when empty
    int  GetStringWidth(const std::string& text) const;   // pixels, the sum of the glyph widths
    int  GetStringHeight(const std::string& text) const;  // pixels, the tallest glyph, compared unsigned
};
