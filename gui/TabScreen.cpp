#include "gui/TabScreen.h"

#include <GL/gl.h>

#include "gui/Outline.h"

namespace GUI
{

namespace
{

const GLubyte kPageGrey     = 102;          // of 255
const GLubyte kOutlineWhite = 255;

} // namespace

CTabScreen::CTabScreen(const std::string& title) : m_title(title) {}

bool CTabScreen::Draw()
{
    glColor3ub(kPageGrey, kPageGrey, kPageGrey);
    glRecti(m_left, m_bottom, m_right, m_top);
    glColor3ub(kOutlineWhite, kOutlineWhite, kOutlineWhite);
    glLineWidth(1.0f);
    DrawOutline(m_left, m_bottom, m_right, m_top);
    return true;
}

} // namespace GUI
