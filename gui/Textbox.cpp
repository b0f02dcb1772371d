#include "gui/Textbox.h"

#include "gui/TextLayout.h"
#include "gui/TextWrap.h"

namespace GUI
{

CTextbox::CTextbox(int x, int y, int width, int height, const std::string& text) : IBaseWidget(x, y, width, height)
{
    m_font.Init();
    m_lines = WrapText(text, m_right - m_left, [this](const std::string& line) {
        return m_font.TextWidth(line.c_str());
    });
}

// An empty line still moves the next one down, by the height of "1".
bool CTextbox::Draw()
{
    int y = m_top;
    for (const std::string& line : m_lines)
    {
        y = Below(y, m_font.TextHeight(line.c_str()));
        m_font.DrawText(m_left, y, line.c_str());
    }
    return m_visible;
}

bool CTextbox::Contains(const MouseState&) const
{
    return false;
}

} // namespace GUI
