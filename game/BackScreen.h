#pragma once

#include "gui/Screen.h"
#include "input/KeyMap.h"

// A screen that Escape leaves for the screen its "Back" button leads to: its
// key map is the active one exactly while it is shown.
class CBackScreen : public GUI::CScreen
{
public:
    explicit CBackScreen(GUI::CScreen* back);   // hidden; back is what Escape shows

    void OnEvent(int event, const GUI::MouseState& mouse) override;    // Show and Hide push and pop the key map

    Input::Keyboard::CKeyMap m_keyMap;      // Escape, bound to the Show of the screen behind
};
