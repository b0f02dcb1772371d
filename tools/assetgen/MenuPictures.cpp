#include "tools/assetgen/MenuPictures.h"

#include <cmath>

#include "tools/assetgen/Emblem.h"
#include "tools/assetgen/FontSet.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Materials.h"
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/Palette.h"

namespace MenuPictures
{

namespace
{

const int kSamples = 4;
const std::uint32_t kWoodSeed = 1905;

CMask ShapeMask(int width, int height, const std::function<float(Point)>& distance)
{
    CMask mask(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            mask.At(x, y) = Shape::Coverage(distance({x + 0.5f, y + 0.5f}));
    return mask;
}

// A gold lozenge, the small ornament of the buttons.
void PaintLozenge(CCanvas& canvas, Point centre, float size, const Colour& colour)
{
    const CMask lozenge = ShapeMask(canvas.Width(), canvas.Height(), [&](Point p) {
        return (std::fabs(p.x - centre.x) + std::fabs(p.y - centre.y) - size) * 0.7071f;
    });
    canvas.Paint(lozenge, 0, 0, colour);
}

// The leather of a button's body, lighter under the pointer.
void PaintButtonBody(CCanvas& button, const CMask& body, bool over)
{
    const int h = button.Height();
    const float s = static_cast<float>(kSamples);
    const Colour top = over ? Colour{0.66f, 0.27f, 0.11f, 1.0f} : Colour{0.42f, 0.15f, 0.08f, 1.0f};
    const Colour bottom = over ? Colour{0.40f, 0.13f, 0.05f, 1.0f} : Colour{0.21f, 0.07f, 0.04f, 1.0f};
    button.Paint(body, 0, 0, [&](float x, float y) {
        const float t = (y - 3.5f * s) / (h - 7.0f * s);
        const float grain = Noise::Fractal(x / (s * 18.0f), y / (s * 2.0f), 77, 3) - 0.5f;
        // A soft sheen over the upper part, as on lacquered leather.
        const float sheen = 0.1f * (1.0f - SmoothStep(0.0f, 0.55f, t));
        const Colour base = Mix(top, bottom, Clamp01(t));
        return Shaded(base, 1.0f + grain * 0.18f + sheen * 1.8f);
    });
}

// The body's own shadow under the frame's upper edge.
void PaintBodyShadow(CCanvas& button, const CMask& body)
{
    const int w = button.Width(), h = button.Height();
    CMask inner(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            inner.At(x, y) = body.At(x, y) * (1.0f - body.At(x, y - 2 * kSamples));
    button.Paint(inner.Blurred(kSamples * 2), 0, 0, WithAlpha(kBlack, 0.45f));
}

// A golden glow from the frame into the body.
void PaintGlow(CCanvas& button, const CMask& frame, const CMask& body)
{
    const int w = button.Width(), h = button.Height();
    CMask band(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            band.At(x, y) = frame.At(x, y) - body.At(x, y);
    const CMask glowing = band.Blurred(kSamples * 4);
    CMask inside(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            inside.At(x, y) = glowing.At(x, y) * body.At(x, y);
    button.Paint(inside, 0, 0, WithAlpha(Palette::kGoldLight, 0.55f));
}

// A tab header's outline and the two ends of its body's gradient.
struct TabColours
{
    Colour edge;
    Colour top;
    Colour bottom;
};

TabColours ColoursOf(TabLook look)
{
    switch (look)
    {
    case TabLook::Shown:
        return { kWhite, {0.53f, 0.52f, 0.50f, 1.0f}, Palette::kPageGrey };
    case TabLook::Hidden:
        return { {0.62f, 0.58f, 0.54f, 1.0f}, {0.27f, 0.19f, 0.13f, 1.0f}, {0.15f, 0.10f, 0.07f, 1.0f} };
    case TabLook::HiddenOver:
        break;
    }
    return { Palette::kGold, {0.52f, 0.30f, 0.14f, 1.0f}, {0.30f, 0.16f, 0.08f, 1.0f} };
}

} // namespace

CCanvas Background()
{
    const int width = 472, height = 512;
    CCanvas background(width, height);
    background.Fill([&](float x, float y) {
        const Colour wood = Material::Wood(x, y, 1.0f, kWoodSeed);
        // A warm pool of light over the middle, darker towards the edges,
        // and a fade into the black at the left where the screen is empty.
        const float dx = (x - width * 0.38f) / (width * 0.75f);
        const float dy = (y - height * 0.48f) / (height * 0.75f);
        const float pool = 1.05f - 0.75f * (dx * dx + dy * dy);
        const float fade = 0.35f + 0.65f * SmoothStep(0.0f, 28.0f, x);
        return Shaded(wood, Clamp01(pool) * fade);
    });
    return background;
}

CCanvas Title(FontSet& fonts)
{
    const int samples = 2;
    const int width = 480 * samples, height = 128 * samples;
    const float s = static_cast<float>(samples);
    const CMask lettering = FittedText(fonts.serifBold, U"Valdmoor", {430.0f * s, 92.0f * s}, {240.0f * s, 58.0f * s}, width, height);

    EmblemStyle style;
    style.surface = [height](float light, float, float y) {
        const float fall = y / static_cast<float>(height);
        return Material::Gold(light * 1.1f + 0.55f - 1.1f * fall);
    };
    style.softness = 3 * samples;
    style.depth = 6.0f;
    style.rim = Palette::kOutline;
    style.rimWidth = 2.5f * s;
    style.shadow = WithAlpha(kBlack, 0.75f);
    style.shadowOffset = {3.0f * s, 4.0f * s};
    style.shadowBlur = 4 * samples;
    CCanvas title = Emblem(lettering, style);

    // A thin gilt edge round the dark rim.
    const CMask rim = lettering.Grown(2.5f * s);
    const CMask edge = rim.Grown(1.2f * s);
    CMask line(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            line.At(x, y) = edge.At(x, y) * (1.0f - rim.At(x, y));
    CCanvas gilt(width, height);
    gilt.Paint(line, 0, 0, [height](float, float y) { return Material::Gold(0.6f - 1.2f * y / static_cast<float>(height)); });
    CCanvas framed(width, height);
    framed.Draw(title, 0, 0);
    framed.Draw(gilt, 0, 0, 0.9f);
    return framed.Reduced(samples);
}

CCanvas Button(bool over)
{
    const int w = 128 * kSamples, h = 32 * kSamples;
    const float s = static_cast<float>(kSamples);
    const Point middle = {w * 0.5f, h * 0.5f};
    const float corner = 7.0f * s;
    CCanvas button(w, h);

    const CMask outer = ShapeMask(w, h, [&](Point p) { return Shape::Box(p, middle, {w * 0.5f - 0.5f * s, h * 0.5f - 0.5f * s}, corner); });
    button.Paint(outer, 0, 0, Palette::kOutline);

    const CMask frame = ShapeMask(w, h, [&](Point p) { return Shape::Box(p, middle, {w * 0.5f - 1.5f * s, h * 0.5f - 1.5f * s}, corner - s); });
    const CRelief frameRelief(frame, kSamples, 6.0f);
    const float glow = over ? 0.45f : 0.0f;
    button.Paint(frame, 0, 0, [&](float x, float y) {
        return Material::Gold(glow + frameRelief.Light(static_cast<int>(x), static_cast<int>(y)) * 1.3f);
    });

    const CMask body = ShapeMask(w, h, [&](Point p) { return Shape::Box(p, middle, {w * 0.5f - 3.5f * s, h * 0.5f - 3.5f * s}, corner - 3.0f * s); });
    PaintButtonBody(button, body, over);
    PaintBodyShadow(button, body);
    if (over)
        PaintGlow(button, frame, body);

    const Colour ornament = over ? Palette::kGoldLight : Palette::kGold;
    PaintLozenge(button, {11.0f * s, middle.y}, 3.0f * s, ornament);
    PaintLozenge(button, {w - 11.0f * s, middle.y}, 3.0f * s, ornament);
    return button.Reduced(kSamples);
}

CCanvas Tab(TabLook look)
{
    const int w = 128 * kSamples, h = 32 * kSamples;
    const float s = static_cast<float>(kSamples);
    const float corner = 8.0f * s;
    CCanvas tab(w, h, kBlack);

    // Rounded at the top only: the box reaches below the picture.
    auto header = [&](float inset) {
        return ShapeMask(w, h, [&](Point p) {
            return Shape::Box(p, {w * 0.5f, h * 0.5f + corner}, {w * 0.5f - inset, h * 0.5f + corner - inset - s}, corner - inset);
        });
    };
    const CMask border = header(0.0f);
    const CMask body = header(s);

    const TabColours colours = ColoursOf(look);
    tab.Paint(border, 0, 0, colours.edge);
    tab.Paint(body, 0, 0, [&](float, float y) {
        // The shown header ends in the page's own grey, so the two meet without a seam.
        return Mix(colours.top, colours.bottom, SmoothStep(2.0f * s, h - 6.0f * s, y));
    });
    if (look == TabLook::Shown)
    {
        const CMask accent = ShapeMask(w, h, [&](Point p) { return Shape::Box(p, {w * 0.5f, 3.5f * s}, {w * 0.5f - 12.0f * s, 0.5f * s}, 0.5f * s); });
        tab.Paint(accent, 0, 0, Palette::kGold);
    }
    else
    {
        // The page's white outline runs on under the headers of hidden pages.
        const CMask line = ShapeMask(w, h, [&](Point p) { return std::fabs(p.y - (h - 0.5f * s)) - 0.5f * s; });
        tab.Paint(line, 0, 0, kWhite);
    }
    return tab.Reduced(kSamples);
}

} // namespace MenuPictures
