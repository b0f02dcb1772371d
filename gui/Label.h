#pragma once

#include <string>

#include "font/Font.h"
#include "gui/BaseWidget.h"

namespace GUI
{

// One line of white text with its lower-left corner at (m_left, m_bottom),
// drawn with the shared game font; never the target of mouse events. Its size
// is the measured size of its text.
class CLabel : public IBaseWidget
{
public:
    explicit CLabel(const std::string& text);       // placed by its parent's Layout
    CLabel(int x, int y, const std::string& text);

    int  GetWidth() const override;
    int  GetHeight() const override;
    bool Draw() override;
    bool Contains(const MouseState& mouse) const override;

    std::string m_text;                     // owners assign it; the next frame shows it
    CFont       m_font;                     // "Assets/font.glf", shared with every other text
};

} // namespace GUI
