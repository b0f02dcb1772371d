#pragma once

#include "gui/MenuScreen.h"

// A menu screen that Escape leaves for the screen its "Back" button leads
// to.
class CBackScreen : public GUI::CMenuScreen
{
public:
    explicit CBackScreen(GUI::CScreen* back);   // hidden; back is what Escape shows
};
