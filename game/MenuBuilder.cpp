#include "game/MenuBuilder.h"

#include <GL/gl.h>

#include "engine/Window.h"
#include "game/BackScreen.h"
#include "game/HelpMenu.h"
#include "game/MainMenu.h"
#include "game/SinglePlayerMenu.h"
#include "game/Valdmoor.h"
#include "gui/RootWidget.h"
#include "gui/WidgetEvent.h"

// The screens are created before they are filled: the main menu's buttons
// lead to all the others, and they all lead back to it.
void BuildMenus()
{
    glViewport(0, 0, g_windowWidth, g_windowHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    GUI::CScreen* menu = new GUI::CScreen();
    CValdmoor* game = new CValdmoor(menu);
    CSinglePlayerMenu* difficulty = new CSinglePlayerMenu(menu, game);
    CHelpMenu* help = new CHelpMenu(menu);
    GUI::CScreen* credits = new CBackScreen(menu);

    FillMainMenu(menu, game, help, difficulty, credits);
    FillCreditsScreen(credits, menu);

    GUI::g_rootWidget.AddChild(menu);
    GUI::g_rootWidget.AddChild(game);
    GUI::g_rootWidget.AddChild(help);
    GUI::g_rootWidget.AddChild(difficulty);
    GUI::g_rootWidget.AddChild(credits);

    const GUI::MouseState still = {};
    menu->OnEvent(GUI::Show, still);
    GUI::g_rootWidget.Layout();
}
