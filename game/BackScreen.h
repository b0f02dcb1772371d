#pragma once

#include "gui/MenuScreen.h"

// A menu screen that Escape leaves for the screen its "Back" button leads
// to. Shown over another screen (the rules over a game in progress), Back
// leads there instead, once.
class CBackScreen : public GUI::CMenuScreen
{
public:
    explicit CBackScreen(GUI::CScreen* back);   // hidden; back is what Escape shows

    void ShowOver(GUI::CScreen* from);      // shows this screen; Back returns to from
    void GoBack();                          // Back and Escape: the screen behind is shown

private:
    GUI::CScreen* m_back;                   // where Back leads as a rule; owned by the root
    GUI::CScreen* m_return;                 // where the next Back leads; m_back unless shown over another
};
