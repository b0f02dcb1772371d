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
    CLabel(int x, int y, const std::string& text);   // lower-left corner at x, y

    int  GetWidth() const override;         // pixels the text measures
    int  GetHeight() const override;        // pixels; an empty text is as tall as "1"
    bool Draw() override;                   // drawn even when hidden; only its children follow m_visible
    bool Contains(const MouseState& mouse) const override;   // never: the pointer's events go to a widget under it

    std::string m_text;                     // owners assign it; the next frame shows it
    CFont       m_font;                     // "Assets/font.glf", shared with every other text
};

} // namespace GUI
