#pragma once

#include "gui/Image.h"

namespace GUI
{

// An image that shows a second texture while the pointer is over it and
// centres its one label child. It reacts to the mouse by its rectangle,
// hidden or not.
class CButton : public CImage
{
public:
    // Shows outTexture until the pointer comes over it; both loaded without mipmaps.
    CButton(int x, int y, int width, int height, const char* outTexture, const char* overTexture);

    void Layout() override;                 // centres the one label child
    bool Draw() override;                   // the current texture at m_brightness
    bool Contains(const MouseState& mouse) const override;    // by the rectangle, hidden or not
    void OnEvent(int event, const MouseState& mouse) override;    // MouseEnter and MouseLeave swap the textures

    float                            m_brightness;      // grey level of the textures, 0 to 1; owners may change it
    CResourceHandle<CTextureObject>  m_overTexture;     // shown while the pointer is over the button
    CResourceHandle<CTextureObject>* m_currentTexture;  // m_texture or m_overTexture, the one drawn
};

} // namespace GUI
