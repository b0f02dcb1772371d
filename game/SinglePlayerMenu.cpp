#include "game/SinglePlayerMenu.h"

#include "ai/ExpertSearch.h"
#include "engine/Callables.h"
#include "game/MenuWidgets.h"
#include "game/PlayerFiles.h"
#include "game/ResultsLabel.h"
#include "game/Settings.h"
#include "game/Valdmoor.h"

CSinglePlayerMenu::CSinglePlayerMenu(GUI::CScreen* menu, CValdmoor* game) : CBackScreen(menu), m_game(game)
{
    AddDecoration(this);
    AddMenuButton(this, 10, 30, "Back", Functor0<GUI::CScreen>(menu, &GUI::CScreen::Show));
    AddMenuButton(this, 10, 170, "Easy", Closure1<CSinglePlayerMenu, int>(this, &CSinglePlayerMenu::StartGame, 1));
    AddMenuButton(this, 10, 135, "Medium", Closure1<CSinglePlayerMenu, int>(this, &CSinglePlayerMenu::StartGame, 2));
    AddMenuButton(this, 10, 100, "Hard", Closure1<CSinglePlayerMenu, int>(this, &CSinglePlayerMenu::StartGame, 3));
    AddMenuButton(this, 10, 65, "Expert",
                  Closure1<CSinglePlayerMenu, int>(this, &CSinglePlayerMenu::StartGame, ExpertLevel));
    const int buttonY[] = {170, 135, 100, 65};
    for (int level = 1; level <= ExpertLevel; ++level)
        AddChild(new CResultsLabel(kResultsX, buttonY[level - 1] + kResultsRise, &game->m_match, level));
}

// The level is remembered at once: a game may end the program in any way.
void CSinglePlayerMenu::StartGame(int level)
{
    g_settings.m_difficulty = level;
    std::string error;
    if (!g_settings.Save(error))
        LogFileTrouble(g_settings.m_path, "could not save the settings (" + error + ")");
    m_game->StartOnePlayerGame(level);
}
