#include "tools/assetgen/Lettering.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/Typeface.h"

namespace
{

const float kProbeSize = 100.0f;            // pixels; the size the ink is first measured at

} // namespace

CMask FittedText(CTypeface& typeface, const std::u32string& text, Point box, Point centre, int width, int height)
{
    int baseline = 0;
    typeface.SetPixelSize(kProbeSize);
    const CMask probe = typeface.Line(text, 0, baseline);
    const float scale = std::min(box.x / static_cast<float>(std::max(1, probe.Width())),
                                 box.y / static_cast<float>(std::max(1, probe.Height())));
    typeface.SetPixelSize(kProbeSize * scale);
    const CMask ink = typeface.Line(text, 0, baseline);

    CMask placed(width, height);
    const int left = static_cast<int>(std::lround(centre.x - static_cast<float>(ink.Width()) * 0.5f));
    const int top = static_cast<int>(std::lround(centre.y - static_cast<float>(ink.Height()) * 0.5f));
    for (int y = 0; y < ink.Height(); ++y)
        for (int x = 0; x < ink.Width(); ++x)
        {
            const int tx = left + x, ty = top + y;
            if (tx >= 0 && ty >= 0 && tx < width && ty < height)
                placed.At(tx, ty) = ink.At(x, y);
        }
    return placed;
}
