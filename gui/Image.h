#pragma once

#include <vector>

#include "gui/BaseWidget.h"
#include "resources/ResourceHandle.h"
#include "resources/Texture.h"

namespace GUI
{

// Where DrawCopies puts one copy of a picture: its offset from the picture's
// own rectangle, and the colour the copy is drawn in.
struct ImageCopy
{
    int                  x;
    int                  y;
    const unsigned char* colour;            // red, green, blue
};

// A textured rectangle; never the target of mouse events.
class CImage : public IBaseWidget
{
public:
    CImage(int x, int y, int width, int height, const char* texture);   // loaded without mipmaps

    bool Draw() override;                   // the texture over the rectangle, if it loaded
    bool Contains(const MouseState& mouse) const override;    // always false: the mouse passes through

    // Copies of the picture in one batch of quads, as many Draw calls under
    // moved matrices and changed colours would draw them: for one small
    // picture drawn many times a frame, such as the board's stones.
    void DrawCopies(const std::vector<ImageCopy>& copies) const;

    CResourceHandle<CTextureObject> m_texture;  // empty when loading failed; owners may assign another

protected:
    // The rectangle, the whole texture over it; sampled nearest where each
    // texel falls on a pixel of its own, linearly otherwise.
    void DrawQuad(const CTextureObject& texture) const;
    // Whether each texel lands on a pixel of its own: the rectangle has the
    // texture's size, on a canvas shown at its own size.
    bool TexelPerPixel(const CTextureObject& texture) const;

private:
    // The rectangle's corners moved by x and y, each with its texture
    // coordinate, counter-clockwise from the bottom left; inside glBegin.
    void SendCorners(int x, int y) const;
};

} // namespace GUI
