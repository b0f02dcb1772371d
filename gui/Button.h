#pragma once

#include "gui/Image.h"

namespace GUI
{

// An image that shows a second texture while the pointer is over it and
// centres its one label child. It reacts to the mouse by its rectangle,
// hidden or not. The keyboard's focus, when on it, is a band drawn inside
// its edges, so that nothing around it moves.
class CButton : public CImage
{
public:
    // Shows outTexture until the pointer comes over it; both loaded without mipmaps.
    CButton(int x, int y, int width, int height, const char* outTexture, const char* overTexture);

    void Layout() override;                 // centres the one label child
    bool Draw() override;                   // the current texture at m_brightness, and the focus band
    bool Contains(const MouseState& mouse) const override;    // by the rectangle, hidden or not
    void OnEvent(int event, const MouseState& mouse) override;    // MouseEnter and MouseLeave swap the textures

    float                            m_brightness;      // grey level of the textures, 0 to 1; owners may change it
    CResourceHandle<CTextureObject>  m_overTexture;     // shown while the pointer is over the button
    CResourceHandle<CTextureObject>* m_currentTexture;  // m_texture or m_overTexture, the one drawn
    bool                             m_focused;         // the keyboard's focus is on it (CKeyboardFocus)
};

} // namespace GUI
