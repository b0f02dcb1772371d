#include "gui/TextLayout.h"

#include <limits>

namespace GUI
{

int SaturatedPixels(std::int64_t value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int CentredIn(int boxStart, int boxSize, int size)
{
    return SaturatedPixels(boxStart + (static_cast<std::int64_t>(boxSize) - size) / 2);
}

int Beyond(int start, int size)
{
    return SaturatedPixels(static_cast<std::int64_t>(start) + size);
}

int Below(int top, int size)
{
    return SaturatedPixels(static_cast<std::int64_t>(top) - size);
}

} // namespace GUI
