#include "tools/assetgen/Cards.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/Emblem.h"
#include "tools/assetgen/FontSet.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Materials.h"
#include "tools/assetgen/Palette.h"

namespace Cards
{

namespace
{

const int   kSamples = 4;
const float kPi = 3.14159265f;

// The arrow pointing up around the origin, in card pixels.
std::vector<Point> UpArrow()
{
    const float tip = -10.5f, neck = -2.5f, tail = 9.5f, head = 7.0f, shaft = 2.2f;
    return {{0.0f, tip}, {head, neck}, {shaft, neck}, {shaft, tail}, {-shaft, tail}, {-shaft, neck}, {-head, neck}};
}

CMask ArrowMask(int direction, Point centre)
{
    const float angle = static_cast<float>(direction) * kPi / 4.0f;
    std::vector<Point> corners;
    for (const Point& corner : UpArrow())
        corners.push_back(Shape::Rotated({centre.x + corner.x * kSamples, centre.y + corner.y * kSamples}, centre, angle));
    CMask arrow(kWidth * kSamples, kHeight * kSamples);
    for (int y = 0; y < arrow.Height(); ++y)
        for (int x = 0; x < arrow.Width(); ++x)
            arrow.At(x, y) = Shape::Coverage(Shape::Polygon({x + 0.5f, y + 0.5f}, corners));
    return arrow;
}

CMask BoxMask(int width, int height, Point centre, Point halfSize, float corner)
{
    CMask box(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            box.At(x, y) = Shape::Coverage(Shape::Box({x + 0.5f, y + 0.5f}, centre, halfSize, corner));
    return box;
}

} // namespace

CCanvas Card(FontSet& fonts, int distance, int direction)
{
    const int w = kWidth * kSamples, h = kHeight * kSamples;
    const float s = static_cast<float>(kSamples);
    const Point middle = {w * 0.5f, h * 0.5f};
    CCanvas card(w, h, Palette::kOutline);

    // The golden frame, lit as a bevel.
    const CMask frame = BoxMask(w, h, middle, {w * 0.5f - s, h * 0.5f - s}, 2.5f * s);
    const CRelief frameRelief(frame, kSamples, 6.0f);
    card.Paint(frame, 0, 0, [&](float x, float y) {
        return Material::Gold(0.15f + frameRelief.Light(static_cast<int>(x), static_cast<int>(y)) * 1.4f);
    });

    // The parchment face, sunk a little into the frame.
    const CMask face = BoxMask(w, h, middle, {w * 0.5f - 3.0f * s, h * 0.5f - 3.0f * s}, 1.5f * s);
    card.Paint(face, 0, 0, [&](float x, float y) {
        return Material::Parchment(x / s, y / s, static_cast<float>(kWidth), static_cast<float>(kHeight),
                                   static_cast<std::uint32_t>(distance * 8 + direction));
    });

    // A thin inner shadow along the face's upper and left edges.
    CMask inner(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            inner.At(x, y) = face.At(x, y) * (1.0f - face.At(x - kSamples, y - kSamples));
    card.Paint(inner.Blurred(kSamples), 0, 0, WithAlpha(Palette::kInk, 0.5f));

    // A gilt rule between the arrow and the numeral.
    const CMask rule = BoxMask(w, h, {middle.x, 33.5f * s}, {8.0f * s, 0.5f * s}, 0.5f * s);
    card.Paint(rule, 0, 0, Palette::kGold);

    const Point arrowCentre = {middle.x, 18.5f * s};
    const CMask arrow = ArrowMask(direction, arrowCentre);
    card.Paint(arrow.Grown(s * 0.6f).Blurred(kSamples), static_cast<int>(s * 0.6f), static_cast<int>(s * 0.8f), WithAlpha(kBlack, 0.35f));
    const CRelief arrowRelief(arrow, kSamples, 3.0f);
    card.Paint(arrow, 0, 0, [&](float x, float y) {
        const float light = arrowRelief.Light(static_cast<int>(x), static_cast<int>(y));
        return Mix(Palette::kCrimson, Palette::kCrimsonLight, Clamp01(0.15f + light * 0.7f));
    });

    const std::u32string numeral(1, static_cast<char32_t>(U'0' + distance));
    const CMask number = FittedText(fonts.serifBold, numeral, {14.0f * s, 19.0f * s}, {middle.x, 48.5f * s}, w, h);
    const CRelief numberRelief(number, kSamples, 3.0f);
    card.Paint(number, 0, 0, [&](float x, float y) {
        const float light = numberRelief.Light(static_cast<int>(x), static_cast<int>(y));
        return Mix(Palette::kInk, Palette::kGoldShadow, Clamp01(0.2f + light * 0.8f));
    });
    return card.Reduced(kSamples);
}

} // namespace Cards
