#include "tools/assetgen/Mask.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/Colour.h"

namespace
{

// One horizontal or vertical box-filter pass of the given radius, as a
// running sum along each line.
CMask BoxPass(const CMask& source, int radius, bool horizontal)
{
    CMask result(source.Width(), source.Height());
    const int length = horizontal ? source.Width() : source.Height();
    const int lines = horizontal ? source.Height() : source.Width();
    const float weight = 1.0f / static_cast<float>(2 * radius + 1);
    for (int line = 0; line < lines; ++line)
    {
        const auto at = [&](int i) { return horizontal ? source.At(i, line) : source.At(line, i); };
        float sum = 0.0f;
        for (int i = -radius; i <= radius; ++i)
            sum += at(i);
        for (int i = 0; i < length; ++i)
        {
            (horizontal ? result.At(i, line) : result.At(line, i)) = sum * weight;
            sum += at(i + radius + 1) - at(i - radius);
        }
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
    // A neighbour counts fully inside the disc and fades over its last
    // pixel, so the grown edge stays anti-aliased.
    const int reach = static_cast<int>(std::ceil(radius)) + 1;
    struct Offset
    {
        int   dx, dy;
        float weight;
    };
    std::vector<Offset> disc;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
        {
            const float weight = Clamp01(radius + 0.5f - std::sqrt(static_cast<float>(dx * dx + dy * dy)));
            if (weight > 0.0f)
                disc.push_back({dx, dy, weight});
        }

    // Each covered pixel spreads over the disc around it; most of a map is
    // empty, so this is far quicker than gathering at every pixel.
    CMask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            const float coverage = At(x, y);
            if (coverage <= 0.0f)
                continue;
            for (const Offset& offset : disc)
            {
                const int tx = x + offset.dx, ty = y + offset.dy;
                if (tx < 0 || ty < 0 || tx >= m_width || ty >= m_height)
                    continue;
                float& target = result.At(tx, ty);
                target = std::max(target, coverage * offset.weight);
            }
        }
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
