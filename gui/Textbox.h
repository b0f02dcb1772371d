#pragma once

#include <string>
#include <vector>

#include "font/Font.h"
#include "gui/BaseWidget.h"

namespace GUI
{

// A block of white text wrapped once, at construction, to the box width and
// drawn from the top edge down, without clipping; never the target of mouse
// events.
class CTextbox : public IBaseWidget
{
public:
    CTextbox(int x, int y, int width, int height, const std::string& text);   // width must be positive

    bool Draw() override;                   // drawn even when hidden; an empty line still takes a line's height
    bool Contains(const MouseState& mouse) const override;   // never: the pointer's events go to a widget under it

    std::vector<std::string> m_lines;       // the wrapped lines, top line first
    CFont                    m_font;        // "Assets/font.glf", shared with every other text
};

} // namespace GUI
