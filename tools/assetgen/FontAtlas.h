#pragma once

#include <cstdint>
#include <vector>

class CTypeface;

// Where one character's cell lies in the atlas. Every cell is one line high
// and as wide as the character's advance, so that strings laid cell after
// cell get the font's own spacing and a common baseline.
struct GlyphCell
{
    int x;                                  // texels from the atlas's left edge
    int y;                                  // texels from the atlas's first row (the cell's upper edge)
    int width;                              // texels, the advance
};

// The glyphs of a range of character codes packed into one power-of-two
// coverage map, each glyph upright: the first row holds the tops of the
// cells of the first shelf.
struct FontAtlas
{
    int                       width = 0;        // texels, a power of two
    int                       height = 0;       // texels, a power of two
    int                       lineHeight = 0;   // texels; the height of every cell
    int                       baseline = 0;     // texels from a cell's upper edge down to its baseline
    int                       startChar = 0;    // first code
    int                       endChar = -1;     // last code, inclusive
    std::vector<GlyphCell>    cells;            // endChar - startChar + 1 cells, in code order
    std::vector<std::uint8_t> coverage;         // width * height bytes, first row first
};

// Renders the codes hinted at the typeface's current size, in cells as high
// as the tallest ink plus the leading (texels, split above and below).
// False when a code has no glyph.
bool BuildFontAtlas(const CTypeface& typeface, int startChar, int endChar, int leading, FontAtlas& atlas);
