#pragma once

#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "tools/assetgen/Mask.h"

// One glyph's coverage and where it sits relative to the pen.
struct GlyphImage
{
    CMask coverage;                         // the glyph's pixels, top row first
    int   left;                             // pixels from the pen to the map's left column
    int   top;                              // pixels from the baseline up to the map's top row
    int   advance;                          // pixels the pen moves on
};

// A font file opened through FreeType at one pixel size at a time.
class CTypeface
{
public:
    explicit CTypeface(const std::string& path);
    ~CTypeface();
    CTypeface(const CTypeface&) = delete;
    CTypeface& operator=(const CTypeface&) = delete;

    bool IsOpen() const;
    bool SetPixelSize(float pixels);        // the em square, in pixels (26.6 precision)

    // Hinted glyphs snap to the pixel grid (small text); unhinted ones keep
    // the designed outline (large lettering and symbols).
    bool Render(char32_t code, bool hinted, GlyphImage& glyph) const;

    // A line of unhinted glyphs with kerning, in a map that holds its ink
    // and an empty border; baseline receives the map row of the baseline.
    CMask Line(const std::u32string& text, int border, int& baseline) const;

private:
    FT_Library m_library;                   // owned; null if FreeType would not start
    FT_Face    m_face;                      // owned; null if the file would not open
};
