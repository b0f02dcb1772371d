#include "gui/TabScreen.h"

#include <GL/gl.h>

namespace GUI
{

CTabScreen::CTabScreen(const std::string& title) : m_title(title) {}

bool CTabScreen::Draw()
{
    glColor3ub(102, 102, 102);
    glRecti(m_left, m_bottom, m_right, m_top);
    glColor3ub(255, 255, 255);
    glLineWidth(1.0f);
    glBegin(GL_LINE_LOOP);
    glVertex2i(m_left, m_bottom);
    glVertex2i(m_right, m_bottom);
    glVertex2i(m_right, m_top);
    glVertex2i(m_left, m_top);
    glEnd();
    return true;
}

} // namespace GUI
