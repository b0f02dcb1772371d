#pragma once

#include "game/BackScreen.h"

// The instructions: three tab pages, "Basics", "Knights" and "Scoring", of
// wrapped text with example pictures, and "Back" (or Escape) to the main
// menu. The page read last stays selected.
class CHelpMenu : public CBackScreen
{
public:
    explicit CHelpMenu(GUI::CScreen* menu); // hidden; menu is where "Back" leads
};
