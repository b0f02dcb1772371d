#include "tools/assetgen/Mask.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/Colour.h"

namespace
{

// One horizontal or vertical box-filter pass of the given radius.
CMask BoxPass(const CMask& source, int radius, bool horizontal)
{
    CMask result(source.Width(), source.Height());
    const float weight = 1.0f / static_cast<float>(2 * radius + 1);
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x)
        {
            float sum = 0.0f;
            for (int d = -radius; d <= radius; ++d)
                sum += horizontal ? source.At(x + d, y) : source.At(x, y + d);
            result.At(x, y) = sum * weight;
        }
    return result;
}

} // namespace

CMask::CMask() : m_width(0), m_height(0)
{
}

CMask::CMask(int width, int height)
    : m_width(width), m_height(height), m_coverage(static_cast<std::size_t>(width) * height, 0.0f)
{
}

int CMask::Width() const
{
    return m_width;
}

int CMask::Height() const
{
    return m_height;
}

float CMask::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0.0f;
    return m_coverage[static_cast<std::size_t>(y) * m_width + x];
}

float& CMask::At(int x, int y)
{
    return m_coverage[static_cast<std::size_t>(y) * m_width + x];
}

CMask CMask::Blurred(int radius) const
{
    if (radius <= 0)
        return *this;
    // Three box passes of a third of the radius each approach a Gaussian.
    const int step = std::max(1, radius / 3);
    CMask result = *this;
    for (int pass = 0; pass < 3; ++pass)
        result = BoxPass(BoxPass(result, step, true), step, false);
    return result;
}

CMask CMask::Grown(float radius) const
{
    CMask result(m_width, m_height);
    const int reach = static_cast<int>(std::ceil(radius)) + 1;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            float best = 0.0f;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx)
                {
                    // A neighbour counts fully inside the disc and fades over
                    // its last pixel, so the grown edge stays anti-aliased.
                    const float distance = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                    const float weight = Clamp01(radius + 0.5f - distance);
                    best = std::max(best, At(x + dx, y + dy) * weight);
                }
            result.At(x, y) = best;
        }
    return result;
}

CMask CMask::Padded(int border) const
{
    CMask result(m_width + 2 * border, m_height + 2 * border);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            result.At(x + border, y + border) = At(x, y);
    return result;
}

CMask CMask::Reduced(int factor) const
{
    CMask result(m_width / factor, m_height / factor);
    const float weight = 1.0f / static_cast<float>(factor * factor);
    for (int y = 0; y < result.Height(); ++y)
        for (int x = 0; x < result.Width(); ++x)
        {
            float sum = 0.0f;
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx)
                    sum += At(x * factor + dx, y * factor + dy);
            result.At(x, y) = sum * weight;
        }
    return result;
}
