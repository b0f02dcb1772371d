#pragma once

#include "gui/Screen.h"

class CValdmoor;

// The choice of the computer's strength for a game against it: each level
// starts a new game with a new computer opponent at once; "Back" returns to
// the main menu.
class CSinglePlayerMenu : public GUI::CScreen
{
public:
    CSinglePlayerMenu(GUI::CScreen* menu, CValdmoor* game);    // hidden

    void StartGame(int level);              // 1 Easy, 2 Medium, 3 Hard

    CValdmoor* m_game;                      // the game screen; owned by the root
};
