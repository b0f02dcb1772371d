#pragma once

#include "gui/BaseWidget.h"
#include "resources/ResourceHandle.h"
#include "resources/Texture.h"

namespace GUI
{

// A textured rectangle; never the target of mouse events.
class CImage : public IBaseWidget
{
public:
    CImage(int x, int y, int width, int height, const char* texture);   // loaded without mipmaps

    bool Draw() override;                   // the texture over the rectangle, if it loaded
    bool Contains(const MouseState& mouse) const override;    // always false: the mouse passes through

    CResourceHandle<CTextureObject> m_texture;  // empty when loading failed; owners may assign another

protected:
    // The rectangle, the whole texture over it; sampled nearest when asked
    // to and each texel falls on a pixel of its own, linearly otherwise.
    void DrawQuad(const CTextureObject& texture, bool nearestWhenExact = false) const;
};

} // namespace GUI
