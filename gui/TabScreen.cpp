#include "gui/TabScreen.h"

#include <GL/gl.h>

#include "gui/Outline.h"

namespace GUI
{

CTabScreen::CTabScreen(const std::string& title) : m_title(title) {}

bool CTabScreen::Draw()
{
    glColor3ub(102, 102, 102);
    glRecti(m_left, m_bottom, m_right, m_top);
    glColor3ub(255, 255, 255);
    glLineWidth(1.0f);
    DrawOutline(m_left, m_bottom, m_right, m_top);
    return true;
}

} // namespace GUI
