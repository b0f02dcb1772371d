#include "game/MainMenu.h"

#include "engine/Callables.h"
#include "engine/TaskHandler.h"
#include "engine/Window.h"
#include "game/MenuTexts.h"
#include "game/MenuWidgets.h"
#include "game/ResultsLabel.h"
#include "game/Valdmoor.h"
#include "gui/Label.h"
#include "gui/Screen.h"
#include "gui/Textbox.h"

//------------------------------------------------------------------ Main menu

void QuitProgram()
{
    CTaskHandler::Instance()->Stop();
}

// One column of buttons at the left, each 3 pixels above the next.
void FillMainMenu(GUI::CScreen* menu, CValdmoor* game, GUI::CScreen* help, GUI::CScreen* difficulty,
                  GUI::CScreen* credits)
{
    AddDecoration(menu);
    AddMenuButton(menu, 10, 170, "1 Player", Functor0<GUI::CScreen>(difficulty, &GUI::CScreen::Show));
    AddMenuButton(menu, 10, 135, "2 Players", Functor0<CValdmoor>(game, &CValdmoor::StartTwoPlayerGame));
    AddMenuButton(menu, 10, 100, "Instructions", Functor0<GUI::CScreen>(help, &GUI::CScreen::Show));
    AddMenuButton(menu, 10, 65, "Credits", Functor0<GUI::CScreen>(credits, &GUI::CScreen::Show));
    AddMenuButton(menu, 10, 30, "Quit", Function0(QuitProgram));
    menu->AddChild(new CResultsLabel(kResultsX, 135 + kResultsRise, &game->m_match, PersonLevel));
    menu->AddChild(new GUI::CLabel(g_windowWidth - 110, 5, kRightsNotice));
}

//------------------------------------------------------------------ Credits

// Text boxes fill from their top edge down: the captions and the names, side
// by side line for line, from the top of the window; the notice, a lower box
// from the same corner, under them.
void FillCreditsScreen(GUI::CScreen* credits, GUI::CScreen* menu)
{
    const int width = g_windowWidth;
    const int height = g_windowHeight;
    AddBackground(credits);
    AddMenuButton(credits, width - 138, 3, "Back", Functor0<GUI::CScreen>(menu, &GUI::CScreen::Show));
    credits->AddChild(new GUI::CTextbox(10, 40, 200, height - 50, kCreditCaptions));
    credits->AddChild(new GUI::CTextbox(200, 40, 300, height - 50, kCreditNames));
    credits->AddChild(new GUI::CTextbox(10, 40, width - 200, height - 320, kCreditNotice));
}
