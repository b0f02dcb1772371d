#pragma once

#include "gui/Screen.h"
#include "input/KeyMap.h"

// A screen that Escape leaves for the screen its "Back" button leads to: its
// key map is the active one exactly while it is shown. Shown over another
// screen (the rules over a game in progress), Back leads there instead, once.
class CBackScreen : public GUI::CScreen
{
public:
    explicit CBackScreen(GUI::CScreen* back);   // hidden; back is what Escape shows

    void OnEvent(int event, const GUI::MouseState& mouse) override;    // Show and Hide push and pop the key map
    void ShowOver(GUI::CScreen* from);      // shows this screen; Back returns to from
    void GoBack();                          // Back and Escape: the screen behind is shown

    Input::Keyboard::CKeyMap m_keyMap;      // Escape, bound to GoBack

private:
    GUI::CScreen*            m_back;        // where Back leads as a rule; owned by the root
    GUI::CScreen*            m_return;      // where the next Back leads; m_back unless shown over another
};
