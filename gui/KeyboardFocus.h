#pragma once

#include <vector>

namespace GUI
{

class CButton;
class IBaseWidget;

// The keyboard's focus among the buttons of one area (a screen or a
// question). It is shown only once a key has moved it, so that a screen
// looks the same to whoever never uses the keys; until then Enter takes the
// start button. The focus is the m_focused flag of the button it is on.
class CKeyboardFocus
{
public:
    explicit CKeyboardFocus(IBaseWidget* area);    // starts on the first button

    // The area's shown buttons in reading order: the top row first, each row
    // from the left. A question over a screen has buttons of its own.
    std::vector<CButton*> Order() const;
    CButton* Current() const;               // the focused button, else the start one; null without buttons
    void     Step(int steps);               // shows the focus where it is, or moves it on, wrapping round
    void     Take() const;                  // clicks the current button
    void     Follow(int key);               // a NavigationKey: steps or takes; the others mean nothing here

    IBaseWidget* m_area;                    // whose buttons; not owned
    CButton*     m_start;                   // where the focus starts, or null for the first; not owned
};

} // namespace GUI
