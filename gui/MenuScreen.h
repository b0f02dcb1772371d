#pragma once

#include "gui/KeyboardFocus.h"
#include "gui/Screen.h"
#include "input/KeyMap.h"

namespace GUI
{

// A screen of buttons that the keyboard works as well as the mouse: Up,
// Down and Tab move a visible focus over its buttons and Enter or Space
// takes the focused one; while a question is open on it, the keys go to the
// question. Its key map is the active one exactly while it is shown.
class CMenuScreen : public CScreen
{
public:
    CMenuScreen();                          // hidden; the navigation keys bound

    void OnEvent(int event, const MouseState& mouse) override;    // Show and Hide push and pop the key map
    void OnNavigationKey(int key) override; // to the open question, else to the focus

    Input::Keyboard::CKeyMap m_keyMap;      // the navigation keys, and whatever a screen adds
    CKeyboardFocus           m_focus;       // over the screen's buttons
};

} // namespace GUI
