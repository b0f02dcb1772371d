#pragma once

// Index of this file:
//   Main menu - the opening screen's widgets and where its buttons lead
//   Credits   - the credits screen's widgets

namespace GUI
{
class CMenuScreen;
class CScreen;
}
class CValdmoor;

//------------------------------------------------------------------ Main menu

// "Quit" ends the main loop after the current tick; the engine then shuts down.
void QuitProgram();

// Adds the main menu's widgets; each button leads to the screen named after
// it. Escape says No to a question asked over the menu, and does nothing else.
void FillMainMenu(GUI::CMenuScreen* menu, CValdmoor* game, GUI::CScreen* help, GUI::CScreen* difficulty,
                  GUI::CScreen* credits);

//------------------------------------------------------------------ Credits

// Adds the credits' widgets; "Back" leads to menu.
void FillCreditsScreen(GUI::CScreen* credits, GUI::CScreen* menu);
