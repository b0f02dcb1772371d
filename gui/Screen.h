#pragma once

#include "gui/BaseWidget.h"

namespace GUI
{

// A full-window page, a child of the root. Exactly one is shown at a time;
// a hidden screen is neither drawn nor searched for the mouse.
class CScreen : public IBaseWidget
{
public:
    CScreen();                              // hidden, edges 0, no children

    bool Contains(const MouseState& mouse) const override;    // while shown, anywhere
    void OnEvent(int event, const MouseState& mouse) override;    // Show hides every sibling screen first

    void Show();                            // what buttons bind to switch screens
    void Hide();                            // hides the screen
};

} // namespace GUI
