#pragma once

#include "gui/Screen.h"

// The instructions: three tab pages, "Basics", "Knights" and "Scoring", of
// wrapped text with example pictures, and "Back" to the main menu. The page
// read last stays selected.
class CHelpMenu : public GUI::CScreen
{
public:
    explicit CHelpMenu(GUI::CScreen* menu); // hidden; menu is where "Back" leads
};
