#include "gui/Label.h"

namespace GUI
{

CLabel::CLabel(const std::string& text) : m_text(text)
{
    m_font.Init();
}

CLabel::CLabel(int x, int y, const std::string& text) : m_text(text)
{
    m_left = x;
    m_bottom = y;
    m_font.Init();
}

int CLabel::GetWidth() const
{
    return m_font.TextWidth(m_text.c_str());
}

int CLabel::GetHeight() const
{
    return m_font.TextHeight(m_text.c_str());
}

// Drawn whether visible or not; only its children follow the flag.
bool CLabel::Draw()
{
    m_font.DrawText(m_left, m_bottom, m_text.c_str());
    return m_visible;
}

bool CLabel::Contains(const MouseState&) const
{
    return false;
}

} // namespace GUI
