#include "tools/assetgen/Icons.h"

#include <cmath>

#include "tools/assetgen/Emblem.h"
#include "tools/assetgen/Materials.h"
#include "tools/assetgen/Palette.h"
#include "tools/assetgen/Pieces.h"

namespace
{

const int kSamples = 4;

CMask TileMask(int size, float inset, float corner)
{
    CMask tile(size, size);
    const float half = size * 0.5f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            tile.At(x, y) = Shape::Coverage(Shape::Box({x + 0.5f, y + 0.5f}, {half, half}, {half - inset, half - inset}, corner));
    return tile;
}

} // namespace

CCanvas ApplicationIcon(FontSet& fonts, int size)
{
    const int work = size * kSamples;
    const float unit = static_cast<float>(work) / 64.0f;   // one pixel of the 64-pixel icon
    CCanvas tile(work, work);

    const CMask outer = TileMask(work, 0.5f * unit, 11.0f * unit);
    tile.Paint(outer, 0, 0, Palette::kOutline);
    const CMask rim = TileMask(work, 1.5f * unit, 10.0f * unit);
    const CRelief rimRelief(rim, static_cast<int>(unit * 1.5f), 6.0f);
    tile.Paint(rim, 0, 0, [&](float x, float y) {
        return Material::Gold(0.2f + rimRelief.Light(static_cast<int>(x), static_cast<int>(y)) * 1.3f);
    });
    const CMask wood = TileMask(work, 4.5f * unit, 7.5f * unit);
    tile.Paint(wood, 0, 0, [&](float x, float y) {
        const float dx = x / work - 0.5f, dy = y / work - 0.45f;
        return Shaded(Material::Wood(x, y + 30.0f * unit, unit * 0.6f, 1905), 1.1f - 1.4f * (dx * dx + dy * dy));
    });

    // The pieces are drawn at the final size and enlarged into the work
    // picture, so that the icon reduces them again to the same pixels.
    auto enlarged = [](const CCanvas& picture) {
        CCanvas big(picture.Width() * kSamples, picture.Height() * kSamples);
        for (int y = 0; y < big.Height(); ++y)
            for (int x = 0; x < big.Width(); ++x)
                big.Set(x, y, picture.At(x / kSamples, y / kSamples));
        return big;
    };
    const int stone = size * 26 / 64;
    tile.Draw(enlarged(Pieces::TintedStone(stone, Pieces::Side::Red)), static_cast<int>(6.0f * unit), static_cast<int>(32.0f * unit));
    tile.Draw(enlarged(Pieces::TintedStone(stone, Pieces::Side::White)), static_cast<int>(32.0f * unit), static_cast<int>(32.0f * unit));
    const int king = size * 42 / 64;
    tile.Draw(enlarged(Pieces::King(fonts, king)), (work - king * kSamples) / 2, static_cast<int>(2.0f * unit));
    return tile.Reduced(kSamples);
}
