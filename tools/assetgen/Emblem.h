#pragma once

#include <functional>

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Mask.h"
#include "tools/assetgen/Shapes.h"

// Lights a shape as a raised relief with the light from the upper left:
// slopes that face it come out bright, slopes that turn away dark.
class CRelief
{
public:
    CRelief(const CMask& shape, int softness, float depth);

    float Light(int x, int y) const;        // -1 (turned away) .. 1 (facing the light); 0 on the flat

private:
    CMask m_height;                         // the shape blurred by the softness, 0..1
    float m_depth;                          // how steep one unit of height is, per pixel
};

// How a glyph or a shape becomes a piece of the set: a soft drop shadow, a
// dark rim and a lit surface.
struct EmblemStyle
{
    std::function<Colour(float light, float x, float y)> surface;   // colour from the relief's light
    int    softness = 2;                    // pixels of the relief's slope
    float  depth = 3.0f;                    // steepness of the slope
    Colour rim = kBlack;                    // outline colour
    float  rimWidth = 0.0f;                 // pixels; 0 for no outline
    Colour shadow = kBlack;                 // drop shadow colour; its alpha is the shadow's strength
    Point  shadowOffset = {0.0f, 0.0f};     // pixels, right and down
    int    shadowBlur = 0;                  // pixels
};

// A picture as large as the shape's map; the shape needs an empty border
// wide enough for the rim and the shadow.
CCanvas Emblem(const CMask& shape, const EmblemStyle& style);
