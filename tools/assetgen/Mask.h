#pragma once

#include <vector>

// A coverage map: how much of every pixel a shape or a glyph covers, 0..1,
// top row first. Reads outside the map give 0.
class CMask
{
public:
    CMask();
    CMask(int width, int height);

    int Width() const;
    int Height() const;
    float At(int x, int y) const;
    float& At(int x, int y);                // x and y must lie inside

    CMask Blurred(int radius) const;        // three box passes, close to a Gaussian of that radius
    CMask Grown(float radius) const;        // dilated by a disc of that radius in pixels, edges kept soft
    CMask Reduced(int factor) const;        // averaged over factor x factor blocks

private:
    int                m_width;             // pixels
    int                m_height;            // pixels
    std::vector<float> m_coverage;          // m_width * m_height values, row by row
};
