#pragma once

#include <functional>
#include <vector>

#include "tools/assetgen/Colour.h"

class CMask;

// The colour of a picture at a point, x to the right and y downwards in
// pixels; pixel centres lie at half-pixel positions.
using Shader = std::function<Colour(float x, float y)>;

// A picture being drawn: straight-alpha colours, top row first. Every
// drawing operation composites source-over, as the game's blending does.
class CCanvas
{
public:
    CCanvas(int width, int height, const Colour& fill = kClear);

    int Width() const;
    int Height() const;
    const Colour& At(int x, int y) const;   // x and y must lie inside
    void Set(int x, int y, const Colour& colour);

    void Blend(int x, int y, const Colour& colour);                             // outside: ignored
    void Fill(const Shader& shader);                                            // every pixel replaced
    void Paint(const Shader& shader);                                           // shader over every pixel
    void Paint(const CMask& mask, int left, int top, const Shader& shader);     // shader's alpha times the mask
    void Paint(const CMask& mask, int left, int top, const Colour& colour);
    void Draw(const CCanvas& picture, int left, int top, float opacity = 1.0f);

    CCanvas Reduced(int factor) const;      // averaged over factor x factor blocks, weighted by opacity

private:
    int                 m_width;            // pixels
    int                 m_height;           // pixels
    std::vector<Colour> m_pixels;           // m_width * m_height colours, row by row
};
