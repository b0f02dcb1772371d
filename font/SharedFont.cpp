#include "font/SharedFont.h"

#include <GL/gl.h>

namespace
{

CSharedFont* g_sharedFont = nullptr;        // deleted by its last user's Release; null while none holds it

} // namespace

CSharedFont::CSharedFont() : m_texture(0), m_users(0) {}

CSharedFont::~CSharedFont()
{
    GLuint name = m_texture;
    glDeleteTextures(1, &name);
}

CSharedFont* CSharedFont::Acquire(const char* fileName)
{
    if (!g_sharedFont)
    {
        CSharedFont* font = new CSharedFont();
        GLuint name = 0;
        glGenTextures(1, &name);
        font->m_texture = name;
        try
        {
            font->m_glFont.Create(fileName, font->m_texture);
        }
        catch (const GLFontError::InvalidFile&)
        {
            delete font;
            throw;
        }
        g_sharedFont = font;
    }
    ++g_sharedFont->m_users;
    return g_sharedFont;
}

void CSharedFont::Release()
{
    if (--m_users > 0)
        return;
    g_sharedFont = nullptr;
    delete this;
}

const PixelPerfectGLFont& CSharedFont::Glyphs() const
{
    return m_glFont;
}

std::uint32_t CSharedFont::Texture() const
{
    return m_texture;
}
