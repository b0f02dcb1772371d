#include "tools/assetgen/Materials.h"

#include <cmath>

#include "tools/assetgen/Noise.h"
#include "tools/assetgen/Palette.h"

namespace Material
{

namespace
{

const float kPlankHeight = 64.0f;           // pixels at scale 1
const float kPlankLength = 330.0f;          // pixels at scale 1, between two butt joints

float Hash(int n, std::uint32_t seed)
{
    return Noise::Value(static_cast<float>(n) * 1.37f, 0.5f, seed);
}

} // namespace

Colour Wood(float x, float y, float scale, std::uint32_t seed)
{
    x /= scale;
    y /= scale;
    const int plank = static_cast<int>(std::floor(y / kPlankHeight));
    const float within = y - static_cast<float>(plank) * kPlankHeight;
    // Each plank is cut from another part of the tree: its own offset along
    // the grain, its own shade, and its joints staggered against its neighbours.
    const float shift = Hash(plank, seed) * kPlankLength;
    const float along = x + shift;
    const int piece = static_cast<int>(std::floor(along / kPlankLength));
    const float acrossPiece = along - static_cast<float>(piece) * kPlankLength;
    const auto pieceSeed = seed + static_cast<std::uint32_t>(plank * 7919 + piece * 104729);
    const float shade = 0.88f + 0.24f * Hash(plank * 31 + piece, seed + 11);

    // Growth rings: slow noise bends the grain lines along the plank.
    const float bend = Noise::Fractal(along / 180.0f, within / 60.0f, pieceSeed, 3);
    const float warp = Noise::Fractal(along / 70.0f, within / 22.0f, pieceSeed + 7, 3);
    const float rings = (within + bend * 30.0f) * 0.3f + warp * 4.0f;
    const float band = 0.5f + 0.5f * std::sin(rings * 2.0f);
    const float grain = band * band;
    const float fibre = Noise::Fractal(along / 30.0f, within * 0.9f, pieceSeed + 101, 2);
    const float figure = Noise::Fractal(along / 120.0f, within / 30.0f, pieceSeed + 503, 3);
    float t = (0.18f + 0.26f * grain + 0.22f * fibre + 0.4f * (figure - 0.5f)) * shade;

    // Dark joints between planks and pieces, a pixel and a half wide, with
    // the lower lip catching a little light.
    const float seam = std::fmin(std::fmin(within, kPlankHeight - within), std::fmin(acrossPiece, kPlankLength - acrossPiece));
    t *= 0.5f + 0.5f * SmoothStep(0.4f, 1.8f, seam);
    t += 0.06f * (SmoothStep(1.0f, 1.8f, within) - SmoothStep(1.8f, 3.2f, within));
    return Mix(Palette::kWoodDark, Palette::kWoodLight, Clamp01(t));
}

Colour Gold(float light)
{
    const float t = Clamp01(0.5f + 0.5f * light);
    if (t < 0.6f)
        return Mix(Palette::kGoldShadow, Palette::kGold, t / 0.6f);
    return Mix(Palette::kGold, Palette::kGoldLight, (t - 0.6f) / 0.4f);
}

Colour Parchment(float x, float y, float width, float height, std::uint32_t seed)
{
    const float dx = (x / width - 0.5f) * 2.0f;
    const float dy = (y / height - 0.5f) * 2.0f;
    const float edge = Clamp01(std::pow(dx * dx * dx * dx + dy * dy * dy * dy, 0.5f));
    const float stain = Noise::Fractal(x / 9.0f, y / 9.0f, seed, 3);
    return Mix(Palette::kParchment, Palette::kParchmentAge, Clamp01(edge * 0.8f + (stain - 0.5f) * 0.35f));
}

} // namespace Material
