#include "tools/assetgen/Colour.h"

#include <algorithm>

namespace
{

float Lerp(float from, float to, float t)
{
    return from + (to - from) * t;
}

} // namespace

float Clamp01(float value)
{
    return std::min(1.0f, std::max(0.0f, value));
}

float SmoothStep(float edge0, float edge1, float value)
{
    const float t = Clamp01((value - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

Colour Mix(const Colour& from, const Colour& to, float t)
{
    return {Lerp(from.r, to.r, t), Lerp(from.g, to.g, t), Lerp(from.b, to.b, t), Lerp(from.a, to.a, t)};
}

Colour Shaded(const Colour& colour, float factor)
{
    return {colour.r * factor, colour.g * factor, colour.b * factor, colour.a};
}

Colour WithAlpha(const Colour& colour, float alpha)
{
    return {colour.r, colour.g, colour.b, alpha};
}

Colour Over(const Colour& top, const Colour& bottom)
{
    const float alpha = top.a + bottom.a * (1.0f - top.a);
    if (alpha <= 0.0f)
        return kClear;
    const float below = bottom.a * (1.0f - top.a);
    return {(top.r * top.a + bottom.r * below) / alpha,
            (top.g * top.a + bottom.g * below) / alpha,
            (top.b * top.a + bottom.b * below) / alpha,
            alpha};
}
