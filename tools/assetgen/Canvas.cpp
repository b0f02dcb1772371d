#include "tools/assetgen/Canvas.h"

#include "tools/assetgen/Mask.h"

namespace
{

float Centre(int index)
{
    return static_cast<float>(index) + 0.5f;
}

} // namespace

CCanvas::CCanvas(int width, int height, const Colour& fill)
    : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width) * height, fill)
{
}

int CCanvas::Width() const
{
    return m_width;
}

int CCanvas::Height() const
{
    return m_height;
}

const Colour& CCanvas::At(int x, int y) const
{
    return m_pixels[static_cast<std::size_t>(y) * m_width + x];
}

void CCanvas::Set(int x, int y, const Colour& colour)
{
    m_pixels[static_cast<std::size_t>(y) * m_width + x] = colour;
}

void CCanvas::Blend(int x, int y, const Colour& colour)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || colour.a <= 0.0f)
        return;
    Colour& pixel = m_pixels[static_cast<std::size_t>(y) * m_width + x];
    pixel = Over(colour, pixel);
}

void CCanvas::Fill(const Shader& shader)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            Set(x, y, shader(Centre(x), Centre(y)));
}

void CCanvas::Paint(const Shader& shader)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            Blend(x, y, shader(Centre(x), Centre(y)));
}

void CCanvas::Paint(const CMask& mask, int left, int top, const Shader& shader)
{
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
        {
            const float coverage = mask.At(x, y);
            if (coverage <= 0.0f)
                continue;
            const Colour colour = shader(Centre(left + x), Centre(top + y));
            Blend(left + x, top + y, WithAlpha(colour, colour.a * coverage));
        }
}

void CCanvas::Paint(const CMask& mask, int left, int top, const Colour& colour)
{
    Paint(mask, left, top, [&colour](float, float) { return colour; });
}

void CCanvas::Draw(const CCanvas& picture, int left, int top, float opacity)
{
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
        {
            const Colour& colour = picture.At(x, y);
            Blend(left + x, top + y, WithAlpha(colour, colour.a * opacity));
        }
}

CCanvas CCanvas::Reduced(int factor) const
{
    CCanvas result(m_width / factor, m_height / factor);
    const float weight = 1.0f / static_cast<float>(factor * factor);
    for (int y = 0; y < result.Height(); ++y)
        for (int x = 0; x < result.Width(); ++x)
        {
            // Summed premultiplied, so that transparent samples lend no colour.
            Colour sum = kClear;
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx)
                {
                    const Colour& sample = At(x * factor + dx, y * factor + dy);
                    sum.r += sample.r * sample.a;
                    sum.g += sample.g * sample.a;
                    sum.b += sample.b * sample.a;
                    sum.a += sample.a;
                }
            if (sum.a > 0.0f)
                result.Set(x, y, {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a * weight});
        }
    return result;
}
