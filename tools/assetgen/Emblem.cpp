#include "tools/assetgen/Emblem.h"

#include <cmath>

CRelief::CRelief(const CMask& shape, int softness, float depth) : m_height(shape.Blurred(softness)), m_depth(depth)
{
}

float CRelief::Light(int x, int y) const
{
    const float gx = (m_height.At(x + 1, y) - m_height.At(x - 1, y)) * 0.5f * m_depth;
    const float gy = (m_height.At(x, y + 1) - m_height.At(x, y - 1)) * 0.5f * m_depth;
    // The normal of the height field against a light up and to the left.
    const float lx = -0.48f, ly = -0.62f, lz = 0.62f;
    const float length = std::sqrt(gx * gx + gy * gy + 1.0f);
    const float facing = (-gx * lx - gy * ly + lz) / length;
    return std::fmax(-1.0f, std::fmin(1.0f, (facing - lz) / (1.0f - lz)));
}

CCanvas Emblem(const CMask& shape, const EmblemStyle& style)
{
    CCanvas picture(shape.Width(), shape.Height());
    const CMask body = style.rimWidth > 0.0f ? shape.Grown(style.rimWidth) : shape;

    if (style.shadow.a > 0.0f)
    {
        const CMask shadow = body.Blurred(style.shadowBlur);
        const int dx = static_cast<int>(std::lround(style.shadowOffset.x));
        const int dy = static_cast<int>(std::lround(style.shadowOffset.y));
        picture.Paint(shadow, dx, dy, style.shadow);
    }
    if (style.rimWidth > 0.0f)
        picture.Paint(body, 0, 0, style.rim);

    const CRelief relief(shape, style.softness, style.depth);
    picture.Paint(shape, 0, 0, [&](float x, float y) {
        return style.surface(relief.Light(static_cast<int>(x), static_cast<int>(y)), x, y);
    });
    return picture;
}
