#include "tools/assetgen/Pieces.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/Emblem.h"
#include "tools/assetgen/FontSet.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Materials.h"
#include "tools/assetgen/Palette.h"

namespace Pieces
{

namespace
{

const int   kSamples = 4;                   // drawn this many times larger, then reduced
const float kRelief = 0.08f;                // steepness of the rose on the stone
const float kPi = 3.14159265f;

// A heraldic rose as a height field around the map's centre: five domed
// petals that overlap with a crease between them, pointed sepals between
// the petals and a raised heart.
CMask Rose(int size, Point centre, float radius)
{
    const float petalRadius = radius * 0.4f;
    const float heartRadius = radius * 0.3f;
    auto dome = [](float distance, float r) { return std::sqrt(std::max(0.0f, 1.0f - (distance * distance) / (r * r))); };
    CMask rose(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
        {
            const Point p = {x + 0.5f, y + 0.5f};
            float height = 0.0f;
            for (int k = 0; k < 5; ++k)
            {
                const float angle = -kPi / 2.0f + static_cast<float>(k) * 2.0f * kPi / 5.0f;
                const Point petal = {centre.x + std::cos(angle) * radius * 0.55f, centre.y + std::sin(angle) * radius * 0.55f};
                height = std::max(height, 0.55f * dome(std::hypot(p.x - petal.x, p.y - petal.y), petalRadius));
                const float between = angle + kPi / 5.0f;
                const Point tip = {centre.x + std::cos(between) * radius, centre.y + std::sin(between) * radius};
                const float sepal = Shape::Segment(p, centre, tip, radius * 0.06f);
                height = std::max(height, 0.3f * Shape::Coverage(sepal / 4.0f));
            }
            const float heart = std::hypot(p.x - centre.x, p.y - centre.y);
            if (heart < heartRadius)
                height = std::max(height, 0.5f + 0.35f * dome(heart, heartRadius));
            rose.At(x, y) = height;
        }
    return rose;
}

} // namespace

CCanvas Stone(int size)
{
    const int work = size * kSamples;
    const Point centre = {work * 0.5f - kSamples * 0.6f, work * 0.5f - kSamples * 0.6f};
    const float radius = work * 0.43f;
    const CMask rose = Rose(work, centre, radius * 0.78f);
    const CMask relief = rose.Blurred(kSamples / 2);
    const CMask surroundings = rose.Blurred(kSamples * 3);

    CCanvas stone(work, work);
    // The stone's shadow falls down and to the right.
    CMask shadow(work, work);
    for (int y = 0; y < work; ++y)
        for (int x = 0; x < work; ++x)
            shadow.At(x, y) = Shape::Coverage(Shape::Circle({x + 0.5f, y + 0.5f}, {centre.x + kSamples * 1.2f, centre.y + kSamples * 1.6f}, radius));
    stone.Paint(shadow.Blurred(kSamples * 2), 0, 0, WithAlpha(kBlack, 0.55f));

    const float lx = -0.5f, ly = -0.62f, lz = 0.6f;   // towards the light, unit length
    const float hx = lx, hy = ly, hz = lz + 1.0f;     // halfway to the viewer
    const float hLength = std::sqrt(hx * hx + hy * hy + hz * hz);
    stone.Paint([&](float x, float y) {
        const float distance = Shape::Circle({x, y}, centre, radius);
        const float coverage = Shape::Coverage(distance);
        if (coverage <= 0.0f)
            return kClear;
        // A low dome: the slope of a flattened sphere, steepest at the rim.
        const float dx = (x - centre.x) / radius;
        const float dy = (y - centre.y) / radius;
        const float r2 = std::min(0.96f, dx * dx + dy * dy);
        const float domeSlope = 0.45f / std::sqrt(1.0f - r2);
        const int ix = static_cast<int>(x), iy = static_cast<int>(y);
        // The rose rises from the dome: its slope tilts the normal against it.
        const float gx = dx * domeSlope - (relief.At(ix + 1, iy) - relief.At(ix - 1, iy)) * radius * kRelief;
        const float gy = dy * domeSlope - (relief.At(ix, iy + 1) - relief.At(ix, iy - 1)) * radius * kRelief;
        const float length = std::sqrt(gx * gx + gy * gy + 1.0f);
        const float nx = gx / length, ny = gy / length, nz = 1.0f / length;
        const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
        const float specular = std::pow(std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hLength), 30.0f);
        // Creases between the petals catch less light.
        const float crease = std::max(0.0f, surroundings.At(ix, iy) - relief.At(ix, iy));
        const float level = (0.3f + 0.62f * diffuse) * (1.0f - 1.3f * crease) + 0.3f * specular;
        const Colour grey = {level, level * 0.985f, level * 0.96f, coverage};
        return grey;
    });
    return stone.Reduced(kSamples);
}

CCanvas TintedStone(int size, Side side)
{
    CCanvas stone = Stone(size);
    const Colour tint = side == Side::Red ? Palette::kRedTint : Palette::kWhiteTint;
    for (int y = 0; y < stone.Height(); ++y)
        for (int x = 0; x < stone.Width(); ++x)
        {
            const Colour& c = stone.At(x, y);
            stone.Set(x, y, {c.r * tint.r, c.g * tint.g, c.b * tint.b, c.a});
        }
    return stone;
}

CCanvas King(FontSet& fonts, int size)
{
    const int work = size * kSamples;
    const float fit = work * 0.84f;
    const CMask shape = FittedText(fonts.sans, U"\u265A", {fit, fit}, {work * 0.5f - kSamples * 0.5f, work * 0.5f - kSamples * 0.5f}, work, work);
    EmblemStyle style;
    style.surface = [work](float light, float, float y) {
        // Brighter towards the cross, and lit from the upper left.
        return Material::Gold(light * 0.9f + 0.35f - 0.5f * (y / static_cast<float>(work)));
    };
    style.softness = kSamples * 2;
    style.depth = 5.0f;
    style.rim = Palette::kOutline;
    style.rimWidth = kSamples * 1.1f;
    style.shadow = WithAlpha(kBlack, 0.6f);
    style.shadowOffset = {kSamples * 1.0f, kSamples * 1.4f};
    style.shadowBlur = kSamples * 2;
    return Emblem(shape, style).Reduced(kSamples);
}

CCanvas Knight(FontSet& fonts, int size, Side side)
{
    const int work = size * kSamples;
    const float fit = work * 0.84f;
    const CMask shape = FittedText(fonts.sans, U"\u265E", {fit, fit}, {work * 0.5f - kSamples * 0.4f, work * 0.5f - kSamples * 0.4f}, work, work);
    EmblemStyle style;
    if (side == Side::Red)
        style.surface = [](float light, float, float) {
            return Mix(Palette::kCrimson, Palette::kCrimsonLight, Clamp01(0.25f + light * 0.8f));
        };
    else
        style.surface = [](float light, float, float) {
            return Mix(Palette::kIvoryShadow, Palette::kIvory, Clamp01(0.7f + light * 0.6f));
        };
    style.softness = std::max(kSamples, size * kSamples / 16);
    style.depth = 4.0f;
    style.rim = Palette::kOutline;
    style.rimWidth = kSamples * std::max(0.9f, size / 28.0f);
    style.shadow = WithAlpha(kBlack, 0.5f);
    style.shadowOffset = {kSamples * 0.8f, kSamples * 1.0f};
    style.shadowBlur = kSamples;
    return Emblem(shape, style).Reduced(kSamples);
}

} // namespace Pieces
