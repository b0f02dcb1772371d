#include "gui/Image.h"

#include <GL/gl.h>

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

bool CImage::Contains(const MouseState&) const
{
    return false;
}

void CImage::DrawQuad(const CTextureObject& texture) const
{
    texture.Bind();
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(m_left, m_bottom);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2i(m_right, m_bottom);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2i(m_right, m_top);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2i(m_left, m_top);
    glEnd();
}

} // namespace GUI
