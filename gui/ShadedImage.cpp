#include "gui/ShadedImage.h"

#include <GL/gl.h>

#include <new>

namespace GUI
{

CShadedImage::CShadedImage(int x, int y, int width, int height, const char* texture, std::uint8_t grey)
    : CImage(x, y, width, height, texture), m_grey(grey)
{
    const CTextureObject* picture = m_texture.m_resource;
    if (!picture)
        return;
    const std::size_t count = static_cast<std::size_t>(picture->width) * picture->height * picture->bytesPerPixel;
    m_shaded.pixels = new (std::nothrow) std::uint8_t[count];
    if (!m_shaded.pixels)
        return;
    m_shaded.width = picture->width;
    m_shaded.height = picture->height;
    m_shaded.bytesPerPixel = picture->bytesPerPixel;
    // Rounded to the nearest, as the renderer rounds a colour times a texel;
    // alpha stays as it is.
    for (std::size_t index = 0; index < count; ++index)
    {
        const bool alpha = picture->bytesPerPixel == 4 && index % 4 == 3;
        m_shaded.pixels[index] =
            alpha ? picture->pixels[index] : static_cast<std::uint8_t>((picture->pixels[index] * grey + 127) / 255);
    }
    m_shaded.Create(TextureOptions{}, texture);
}

// The texture's colours replace the current colour's instead of being
// multiplied by it, so the current colour does not matter. Without the
// darkened copy (no memory left for it) the renderer darkens the picture.
bool CShadedImage::Draw()
{
    if (!m_shaded.textureName)
    {
        glColor3ub(m_grey, m_grey, m_grey);
        return CImage::Draw();
    }
    if (!m_visible)
        return false;
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    DrawQuad(m_shaded);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    return true;
}

} // namespace GUI
