#include "game/MainMenu.h"

#include "engine/Callables.h"
#include "engine/KeyCodes.h"
#include "engine/TaskHandler.h"
#include "engine/Window.h"
#include "game/MenuTexts.h"
#include "game/MenuWidgets.h"
#include "game/ResultsLabel.h"
#include "game/Valdmoor.h"
#include "gui/Label.h"
#include "gui/MenuScreen.h"
#include "gui/NavigationKey.h"
#include "gui/Textbox.h"

namespace
{

// The main menu's rights notice, at the bottom right.
const int kNoticeRoom = 110;                // from its left edge to the window's right one
const int kNoticeY    = 5;                  // its bottom edge

// The credits' text boxes, in pixels from the window's bottom left.
const int kCreditsLeft     = 10;            // the captions and the notice
const int kCreditsBottom   = 40;            // every box; over "Back"
const int kCreditsTopGap   = 10;            // the captions' and names' first lines, under the window's top
const int kCaptionsWidth   = 200;
const int kNamesLeft       = 200;
const int kNamesWidth      = 300;
const int kNoticeTopGap    = 280;           // the notice's first line, under the window's top
                                            // and below the names
const int kNoticeRightRoom = 200;           // the notice's width is the window's less this

} // namespace

//------------------------------------------------------------------ Main menu

void QuitProgram()
{
    CTaskHandler::Instance()->Stop();
}

// One column of buttons at the left, the results of two-player games beside
// "2 Players", and the rights notice at the bottom right.
void FillMainMenu(GUI::CMenuScreen* menu, CValdmoor* game, GUI::CScreen* help, GUI::CScreen* difficulty,
                  GUI::CScreen* credits)
{
    menu->m_keyMap.BindKey(Keys::Escape,
                           Closure1<GUI::CScreen, int>(menu, &GUI::CScreen::OnNavigationKey, GUI::Cancel),
                           Input::Keyboard::Pressed);
    AddDecoration(menu);
    AddMenuButton(menu, kMenuColumnX, MenuRowY(0), "1 Player",
                  Functor0<GUI::CScreen>(difficulty, &GUI::CScreen::Show));
    AddMenuButton(menu, kMenuColumnX, MenuRowY(1), "2 Players",
                  Functor0<CValdmoor>(game, &CValdmoor::StartTwoPlayerGame));
    AddMenuButton(menu, kMenuColumnX, MenuRowY(2), "Instructions", Functor0<GUI::CScreen>(help, &GUI::CScreen::Show));
    AddMenuButton(menu, kMenuColumnX, MenuRowY(3), "Credits", Functor0<GUI::CScreen>(credits, &GUI::CScreen::Show));
    AddMenuButton(menu, kMenuColumnX, MenuRowY(4), "Quit", Function0(QuitProgram));
    menu->AddChild(new CResultsLabel(kResultsX, MenuRowY(1) + kResultsRise, &game->m_match, PersonLevel));
    menu->AddChild(new GUI::CLabel(g_windowWidth - kNoticeRoom, kNoticeY, kRightsNotice));
}

//------------------------------------------------------------------ Credits

// Text boxes fill from their top edge down: the captions and the names, side
// by side line for line, from the top of the window; the notice, a lower box
// from the same corner, under them.
void FillCreditsScreen(GUI::CScreen* credits, GUI::CScreen* menu)
{
    const int namesHeight = g_windowHeight - kCreditsTopGap - kCreditsBottom;
    const int noticeHeight = g_windowHeight - kNoticeTopGap - kCreditsBottom;
    AddBackground(credits);
    AddBackButton(credits, Functor0<GUI::CScreen>(menu, &GUI::CScreen::Show));
    credits->AddChild(new GUI::CTextbox(kCreditsLeft, kCreditsBottom, kCaptionsWidth, namesHeight, kCreditCaptions));
    credits->AddChild(new GUI::CTextbox(kNamesLeft, kCreditsBottom, kNamesWidth, namesHeight, kCreditNames));
    credits->AddChild(new GUI::CTextbox(kCreditsLeft, kCreditsBottom, g_windowWidth - kNoticeRightRoom, noticeHeight,
                                        kCreditNotice));
}
