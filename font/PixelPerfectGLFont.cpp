#include "font/PixelPerfectGLFont.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include <GL/gl.h>

namespace
{

// Truncates toward zero; sizes beyond the 32-bit range saturate, and a
// rectangle that is not a number measures 0.
std::int32_t TruncateToPixels(double size)
{
    if (std::isnan(size))
        return 0;
    if (size >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (size <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(size);
}

// Pens and sums run in 64 bits so that long strings of wide glyphs cannot
// overflow; what reaches OpenGL or the caller saturates.
int Saturate(std::int64_t value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace

void PixelPerfectGLFont::Create(const std::string& fileName, std::uint32_t textureName)
{
    GLFontBase::Create(fileName, textureName, true);
    MeasureGlyphs();
}

// The file's own dx and dy are not used: the size in pixels is the texture
// rectangle's share of the atlas.
void PixelPerfectGLFont::MeasureGlyphs()
{
    if (!chars)
        return;
    const std::int64_t count = static_cast<std::int64_t>(endChar) - startChar + 1;
    for (std::int64_t i = 0; i < count; ++i)
    {
        GLFontChar& glyph = chars[static_cast<std::size_t>(i)];
        glyph.width = TruncateToPixels((static_cast<double>(glyph.tx2) - glyph.tx1) * texWidth);
        glyph.height = TruncateToPixels((static_cast<double>(glyph.ty2) - glyph.ty1) * texHeight);
    }
}

void PixelPerfectGLFont::DrawString(std::string text, int x, int y, int z) const
{
    if (!valid)
        throw GLFontError::InvalidFont();

    glBegin(GL_QUADS);
    std::int64_t pen = x;
    for (const char code : text)
    {
        const GLFontChar* glyph = Glyph(code);
        if (!glyph)
            continue;
        const int left = Saturate(pen);
        const int right = Saturate(pen + glyph->width);
        const int top = Saturate(static_cast<std::int64_t>(y) + glyph->height);
        glTexCoord2f(glyph->tx1, glyph->ty1);
        glVertex3i(left, top, z);
        glTexCoord2f(glyph->tx1, glyph->ty2);
        glVertex3i(left, y, z);
        glTexCoord2f(glyph->tx2, glyph->ty2);
        glVertex3i(right, y, z);
        glTexCoord2f(glyph->tx2, glyph->ty1);
        glVertex3i(right, top, z);
        pen += glyph->width;
    }
    glEnd();
}

int PixelPerfectGLFont::GetStringWidth(const std::string& text) const
{
    std::int64_t width = 0;
    for (const char code : text)
        if (const GLFontChar* glyph = Glyph(code))
            width += glyph->width;
    return Saturate(width);
}

// Compared unsigned, as the sizes are kept: a negative height counts as
// taller than any positive one.
int PixelPerfectGLFont::GetStringHeight(const std::string& text) const
{
    std::uint32_t height = 0;
    for (const char code : text)
        if (const GLFontChar* glyph = Glyph(code))
            height = std::max(height, static_cast<std::uint32_t>(glyph->height));
    return static_cast<int>(height);
}
