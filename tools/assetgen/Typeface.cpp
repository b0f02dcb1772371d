#include "tools/assetgen/Typeface.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace
{

CMask CopyBitmap(const FT_Bitmap& bitmap)
{
    CMask mask(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows));
    for (int y = 0; y < mask.Height(); ++y)
    {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < mask.Width(); ++x)
            mask.At(x, y) = static_cast<float>(row[x]) / 255.0f;
    }
    return mask;
}

struct Placed
{
    GlyphImage image;
    int        x;                           // pen position, pixels from the line's start
};

// The placed glyphs in one map that holds their ink and the border, their
// coverage added up where they overlap.
CMask Compose(const std::vector<Placed>& placed, int border, int& baseline)
{
    int left = INT_MAX, right = INT_MIN, top = INT_MIN, bottom = INT_MAX;
    for (const Placed& glyph : placed)
    {
        left = std::min(left, glyph.x + glyph.image.left);
        right = std::max(right, glyph.x + glyph.image.left + glyph.image.coverage.Width());
        top = std::max(top, glyph.image.top);
        bottom = std::min(bottom, glyph.image.top - glyph.image.coverage.Height());
    }
    if (placed.empty())
    {
        baseline = border;
        return CMask(2 * border, 2 * border);
    }

    CMask line(right - left + 2 * border, top - bottom + 2 * border);
    baseline = border + top;
    for (const Placed& glyph : placed)
    {
        const int x0 = border + glyph.x + glyph.image.left - left;
        const int y0 = baseline - glyph.image.top;
        const CMask& coverage = glyph.image.coverage;
        for (int y = 0; y < coverage.Height(); ++y)
            for (int x = 0; x < coverage.Width(); ++x)
            {
                float& pixel = line.At(x0 + x, y0 + y);
                pixel = std::min(1.0f, pixel + coverage.At(x, y));
            }
    }
    return line;
}

} // namespace

CTypeface::CTypeface(const std::string& path) : m_library(nullptr), m_face(nullptr)
{
    if (FT_Init_FreeType(&m_library) != 0)
    {
        m_library = nullptr;
        return;
    }
    if (FT_New_Face(m_library, path.c_str(), 0, &m_face) != 0)
        m_face = nullptr;
}

CTypeface::~CTypeface()
{
    if (m_face)
        FT_Done_Face(m_face);
    if (m_library)
        FT_Done_FreeType(m_library);
}

bool CTypeface::IsOpen() const
{
    return m_face != nullptr;
}

bool CTypeface::SetPixelSize(float pixels)
{
    const auto size = static_cast<FT_F26Dot6>(std::lround(pixels * 64.0f));
    return FT_Set_Char_Size(m_face, 0, size, 72, 72) == 0;
}

bool CTypeface::Render(char32_t code, bool hinted, GlyphImage& glyph) const
{
    const FT_UInt index = FT_Get_Char_Index(m_face, code);
    if (index == 0)
        return false;
    const FT_Int32 flags = hinted ? FT_LOAD_DEFAULT : FT_LOAD_NO_HINTING;
    if (FT_Load_Glyph(m_face, index, flags) != 0 || FT_Render_Glyph(m_face->glyph, FT_RENDER_MODE_NORMAL) != 0)
        return false;
    const FT_GlyphSlot slot = m_face->glyph;
    glyph.coverage = CopyBitmap(slot->bitmap);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    return true;
}

CMask CTypeface::Line(const std::u32string& text, int border, int& baseline) const
{
    std::vector<Placed> placed;
    FT_Pos pen = 0;                         // 26.6 pixels
    FT_UInt previous = 0;
    for (const char32_t code : text)
    {
        const FT_UInt index = FT_Get_Char_Index(m_face, code);
        if (previous && index && FT_HAS_KERNING(m_face))
        {
            FT_Vector kerning;
            if (FT_Get_Kerning(m_face, previous, index, FT_KERNING_UNFITTED, &kerning) == 0)
                pen += kerning.x;
        }
        Placed glyph;
        if (!Render(code, false, glyph.image))
            continue;
        glyph.x = static_cast<int>((pen + 32) >> 6);
        pen += m_face->glyph->advance.x;
        previous = index;
        placed.push_back(glyph);
    }

    return Compose(placed, border, baseline);
}
