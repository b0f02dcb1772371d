#include "font/Font.h"

#include <GL/gl.h>

CFont::CFont() : m_font(nullptr) {}

CFont::~CFont()
{
    if (m_font)
        m_font->Release();
}

void CFont::Init()
{
    if (!m_font)
        m_font = CSharedFont::Acquire(FileName);
}

void CFont::DrawText(int x, int y, const char* text) const
{
    if (!m_font)
        throw GLFontError::InvalidFont();

    glColor3f(1, 1, 1);
    glPushMatrix();
    glTranslatef(static_cast<GLfloat>(x), static_cast<GLfloat>(y), 0);

    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, m_font->Texture());

    m_font->Glyphs().Begin();
    m_font->Glyphs().DrawString(text ? text : "", 0, 0, 0);

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glPopMatrix();
}

int CFont::TextWidth(const char* text) const
{
    return m_font ? m_font->Glyphs().GetStringWidth(text ? text : "") : 0;
}

int CFont::TextHeight(const char* text) const
{
    return m_font ? m_font->Glyphs().GetStringHeight(text && *text ? text : "1") : 0;
}
