#include "gui/Backdrop.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "engine/Window.h"

namespace GUI
{

const CBackdrop* g_laidBackdrop = nullptr;

namespace
{

// The clear colour as the framebuffer stores it, a byte a channel.
void ClearColour(std::uint8_t colour[4])
{
    GLfloat clear[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    for (int channel = 0; channel < 4; ++channel)
        colour[channel] = static_cast<std::uint8_t>(std::lround(clear[channel] * 255.0f));
}

} // namespace

CBackdrop::CBackdrop(int x, int y, int width, int height, const char* texture, std::uint8_t grey)
    : CShadedImage(x, y, width, height, texture, grey), m_clear{}
{
    ClearColour(m_clear);
    if (m_shaded.textureName && m_shaded.width == width && m_shaded.height == height)
        m_canvas.Create(g_windowWidth, g_windowHeight, m_clear, m_shaded, x, y);
}

bool CBackdrop::Draw()
{
    if (!PaintsCanvas())
        return CShadedImage::Draw();
    if (g_laidBackdrop != this)
    {
        GLint canvas[4] = {};
        glGetIntegerv(GL_VIEWPORT, canvas);
        m_canvas.Copy(canvas[0], canvas[1]);
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    return true;
}

bool CBackdrop::PaintsCanvas() const
{
    if (!m_visible || !m_canvas.Ready() || !TexelPerPixel(m_shaded))
        return false;
    std::uint8_t clear[4] = {};
    ClearColour(clear);
    return std::equal(clear, clear + 4, m_clear);
}

} // namespace GUI
