#include "gui/Image.h"

#include <GL/gl.h>

#include "engine/Window.h"

namespace GUI
{

CImage::CImage(int x, int y, int width, int height, const char* texture) : IBaseWidget(x, y, width, height)
{
    m_texture.Load(texture, TextureOptions{false});
}

// No colour of its own: the quad takes whatever colour was set last.
bool CImage::Draw()
{
    if (m_visible && m_texture.m_resource)
    {
        DrawQuad(*m_texture.m_resource);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
    }
    return m_visible;
}

void CImage::DrawCopies(const std::vector<ImageCopy>& copies) const
{
    if (!m_visible || !m_texture.m_resource || copies.empty())
        return;
    m_texture.m_resource->Bind(TexelPerPixel(*m_texture.m_resource));
    glBegin(GL_QUADS);
    for (const ImageCopy& copy : copies)
    {
        glColor3ubv(copy.colour);
        SendCorners(copy.x, copy.y);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

bool CImage::Contains(const MouseState&) const
{
    return false;
}

void CImage::DrawQuad(const CTextureObject& texture) const
{
    texture.Bind(TexelPerPixel(texture));
    glBegin(GL_QUADS);
    SendCorners(0, 0);
    glEnd();
}

// Rectangles sit on whole canvas pixels, so on an unscaled canvas the
// texels' centres meet the pixels' centres, and nearest sampling shows the
// very texels linear filtering would.
bool CImage::TexelPerPixel(const CTextureObject& texture) const
{
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return m_right - m_left == texture.width && m_top - m_bottom == texture.height &&
           viewport[2] == g_windowWidth && viewport[3] == g_windowHeight;
}

void CImage::SendCorners(int x, int y) const
{
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(m_left + x, m_bottom + y);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2i(m_right + x, m_bottom + y);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2i(m_right + x, m_top + y);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2i(m_left + x, m_top + y);
}

} // namespace GUI
