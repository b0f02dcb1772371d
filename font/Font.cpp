#include "font/Font.h"

#include <GL/gl.h>

CFont::CFont() : m_fontTexture(0) {}

void CFont::Init()
{
    GLuint name = 0;
    glGenTextures(1, &name);
    m_fontTexture = name;
    m_glFont.Create(FileName, m_fontTexture);
}

void CFont::DrawText(int x, int y, const char* text) const
{
    glColor3f(1, 1, 1);
    glPushMatrix();
    glTranslatef(static_cast<GLfloat>(x), static_cast<GLfloat>(y), 0);

    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, m_fontTexture);

    // A font that never loaded throws; the state set up above is undone
    // first, so that the caller's matrix stack stays balanced.
    try
    {
        m_glFont.Begin();
        m_glFont.DrawString(text ? text : "", 0, 0, 0);
    }
    catch (const GLFontError::InvalidFont&)
    {
        RestoreState();
        throw;
    }
    RestoreState();
}

int CFont::TextWidth(const char* text) const
{
    return m_glFont.GetStringWidth(text ? text : "");
}

int CFont::TextHeight(const char* text) const
{
    return m_glFont.GetStringHeight(text && *text ? text : "1");
}

void CFont::RestoreState() const
{
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glPopMatrix();
}
