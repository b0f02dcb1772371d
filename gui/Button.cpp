#include "gui/Button.h"

#include <GL/gl.h>

#include "gui/ButtonLook.h"
#include "gui/Outline.h"
#include "gui/TextLayout.h"
#include "gui/WidgetEvent.h"

namespace GUI
{

namespace
{

// Captions are centred in the menus' button size, whatever this button's.
const int kCaptionBoxWidth = kButtonWidth;
const int kCaptionBoxHeight = kButtonHeight;

const int     kFocusBand      = 2;          // pixels, inside the button's edges
const GLubyte kFocusColour[3] = {200, 190, 20};    // the yellow of the questions' outline

} // namespace

CButton::CButton(int x, int y, int width, int height, const char* outTexture, const char* overTexture)
    : CImage(x, y, width, height, outTexture), m_brightness(1.0f), m_currentTexture(&m_texture), m_focused(false)
{
    m_overTexture.Load(overTexture, TextureOptions{true});
}

// The divisions truncate toward zero: a caption wider than the box starts
// left of the button by half the excess, rounded toward the button. A
// caption too large for the int range ends at its edge.
void CButton::Layout()
{
    if (m_children.size() != 1)
        return;
    IBaseWidget* caption = m_children.front();
    const int width = caption->GetWidth();
    const int height = caption->GetHeight();
    caption->m_left = CentredIn(m_left, kCaptionBoxWidth, width);
    caption->m_bottom = CentredIn(m_bottom, kCaptionBoxHeight, height);
    caption->m_right = Beyond(caption->m_left, width);
    caption->m_top = Beyond(caption->m_bottom, height);
}

// Without its current texture the button draws nothing, caption included.
// The colour is left at the button's grey, focused or not: an image drawn
// next takes it, as images set no colour of their own.
bool CButton::Draw()
{
    if (!m_visible || !m_currentTexture->m_resource)
        return false;
    glColor3f(m_brightness, m_brightness, m_brightness);
    DrawQuad(*m_currentTexture->m_resource);
    glDisable(GL_TEXTURE_2D);
    if (m_focused)
    {
        glColor3ubv(kFocusColour);
        DrawThickOutline(m_left, m_bottom, m_right, m_top, kFocusBand);
        glColor3f(m_brightness, m_brightness, m_brightness);
    }
    return true;
}

bool CButton::Contains(const MouseState& mouse) const
{
    return IBaseWidget::Contains(mouse);
}

void CButton::OnEvent(int event, const MouseState& mouse)
{
    switch (event)
    {
    case MouseEnter:
        if (m_overTexture.m_resource)
            m_currentTexture = &m_overTexture;
        break;
    case MouseLeave:
        m_currentTexture = &m_texture;
        break;
    default:
        IBaseWidget::OnEvent(event, mouse);
        break;
    }
}

} // namespace GUI
