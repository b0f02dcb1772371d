#pragma once

#include "game/BackScreen.h"

class CValdmoor;

// The choice of the computer's strength for a game against it: each level
// starts a new game with a new computer opponent at once; "Back" (or Escape)
// returns to the main menu.
class CSinglePlayerMenu : public CBackScreen
{
public:
    CSinglePlayerMenu(GUI::CScreen* menu, CValdmoor* game);    // hidden

    void StartGame(int level);              // 1 Easy, 2 Medium, 3 Hard, 4 Expert

    CValdmoor* m_game;                      // the game screen; owned by the root
};
