#include "tools/assetgen/FontAtlas.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/Bytes.h"
#include "tools/assetgen/Typeface.h"

namespace
{

const int kGap = 1;                         // empty texels between cells, so that no filter bleeds
const int kWidestAtlas = 1024;              // texels

// Light text on a dark ground looks thinner than the outline it comes from;
// a mild curve on the coverage gives the strokes back their weight.
const float kCoverageGamma = 1.0f / 1.25f;

int NextPowerOfTwo(int value)
{
    int power = 1;
    while (power < value)
        power *= 2;
    return power;
}

// Shelf packing at a given atlas width; the atlas height it needs.
int Pack(const std::vector<GlyphImage>& glyphs, int lineHeight, int width, std::vector<GlyphCell>& cells)
{
    cells.clear();
    int x = 0, y = 0;
    for (const GlyphImage& glyph : glyphs)
    {
        if (x + glyph.advance > width)
        {
            x = 0;
            y += lineHeight + kGap;
        }
        cells.push_back({x, y, glyph.advance});
        x += glyph.advance + kGap;
    }
    return NextPowerOfTwo(y + lineHeight);
}

// Every glyph of the range, with the line's extent above and below the
// baseline and the widest advance; false if the typeface cannot draw one.
bool RenderGlyphs(const CTypeface& typeface, int startChar, int endChar, std::vector<GlyphImage>& glyphs,
                  int& ascent, int& descent, int& widest)
{
    ascent = 0;
    descent = 0;
    widest = 0;
    for (int code = startChar; code <= endChar; ++code)
    {
        GlyphImage glyph;
        if (!typeface.Render(static_cast<char32_t>(code), true, glyph))
            return false;
        if (glyph.coverage.Width() > 0)
        {
            ascent = std::max(ascent, glyph.top);
            descent = std::max(descent, glyph.coverage.Height() - glyph.top);
        }
        widest = std::max(widest, glyph.advance);
        glyphs.push_back(glyph);
    }
    return true;
}

// The squarest power-of-two atlas, and of two equally square the smaller.
void ChooseSize(const std::vector<GlyphImage>& glyphs, int widest, FontAtlas& atlas)
{
    for (int width = NextPowerOfTwo(widest); width <= kWidestAtlas; width *= 2)
    {
        std::vector<GlyphCell> cells;
        const int height = Pack(glyphs, atlas.lineHeight, width, cells);
        const int side = std::max(width, height), bestSide = std::max(atlas.width, atlas.height);
        if (atlas.cells.empty() || side < bestSide || (side == bestSide && width * height < atlas.width * atlas.height))
        {
            atlas.width = width;
            atlas.height = height;
            atlas.cells = cells;
        }
    }
}

void CopyGlyph(const GlyphImage& glyph, const GlyphCell& cell, FontAtlas& atlas)
{
    // Ink that pokes out of the advance (a left bearing below zero) is
    // moved inside the cell rather than cut off, where there is room.
    const int room = cell.width - glyph.coverage.Width();
    const int left = room >= 0 ? std::min(std::max(glyph.left, 0), room) : room / 2;
    for (int y = 0; y < glyph.coverage.Height(); ++y)
        for (int x = 0; x < glyph.coverage.Width(); ++x)
        {
            const int column = left + x;
            const int row = atlas.baseline - glyph.top + y;
            if (column < 0 || column >= cell.width || row < 0 || row >= atlas.lineHeight)
                continue;
            const float coverage = std::pow(glyph.coverage.At(x, y), kCoverageGamma);
            atlas.coverage[static_cast<std::size_t>(cell.y + row) * atlas.width + cell.x + column] =
                Bytes::Quantised(coverage);
        }
}

} // namespace


bool BuildFontAtlas(const CTypeface& typeface, int startChar, int endChar, int leading, FontAtlas& atlas)
{
    std::vector<GlyphImage> glyphs;
    int ascent = 0, descent = 0, widest = 0;
    if (!RenderGlyphs(typeface, startChar, endChar, glyphs, ascent, descent, widest))
        return false;

    atlas.startChar = startChar;
    atlas.endChar = endChar;
    atlas.lineHeight = ascent + descent + leading;
    atlas.baseline = leading / 2 + ascent;
    ChooseSize(glyphs, widest, atlas);

    atlas.coverage.assign(static_cast<std::size_t>(atlas.width) * atlas.height, 0);
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        CopyGlyph(glyphs[i], atlas.cells[i], atlas);
    return true;
}
