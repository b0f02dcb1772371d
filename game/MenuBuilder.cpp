#include "game/MenuBuilder.h"

#include <GL/gl.h>

#include "engine/Window.h"
#include "engine/startup/CommandLine.h"
#include "game/BackScreen.h"
#include "game/GameArchive.h"
#include "game/PlayerFiles.h"
#include "game/Settings.h"
#include "game/HelpMenu.h"
#include "game/MainMenu.h"
#include "game/SinglePlayerMenu.h"
#include "game/Valdmoor.h"
#include "gui/MenuScreen.h"
#include "gui/RootWidget.h"
#include "gui/Textbox.h"
#include "gui/WidgetEvent.h"

namespace
{

// Where the main menu tells of a file that could not be used: right of the
// button column, between the buttons' top and the subtitle.
const int kNoticeX = 148;
const int kNoticeY = 210;
const int kNoticeWidth = 442;               // to 10 from the right edge
const int kNoticeHeight = 120;

// A record named on the command line is opened for review; otherwise a game
// the last run left unfinished is offered again over the main menu. Files
// that could not be read are named there. The player's own record is left
// where it is, refused or not.
void OpenStartingGame(GUI::CScreen* menu, CValdmoor* game)
{
    std::string refusal;
    GameRecord record;
    int line = 0;
    if (g_commandLineFile.empty())
        game->OfferSavedGame(menu, refusal);
    else if (ReadRecordFile(g_commandLineFile, record, refusal, line))
        game->ReviewGame(record);
    else
        LogRefusedFile(refusal);
    std::string notice;
    for (const std::string& message : {g_settings.m_loadMessage, game->m_match.Archive()->m_loadMessage, refusal})
        if (!message.empty())
            notice += (notice.empty() ? "Could not use " : "\nCould not use ") + message;
    if (!notice.empty())
        menu->AddChild(new GUI::CTextbox(kNoticeX, kNoticeY, kNoticeWidth, kNoticeHeight, notice));
}

} // namespace

// The screens are created before they are filled: the main menu's buttons
// lead to all the others, and they all lead back to it.
void BuildMenus()
{
    glViewport(0, 0, g_windowWidth, g_windowHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    GUI::CMenuScreen* menu = new GUI::CMenuScreen();
    CValdmoor* game = new CValdmoor(menu);
    CSinglePlayerMenu* difficulty = new CSinglePlayerMenu(menu, game);
    CHelpMenu* help = new CHelpMenu(menu);
    game->m_rules = help;
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

    game->m_match.KeepIn(new CGameArchive(PlayerFolderPath(StateFolder), PlayerFolderPath(DataFolder)));
    OpenStartingGame(menu, game);
}
