#include "game/SinglePlayerMenu.h"

#include "ai/ExpertSearch.h"
#include "engine/Callables.h"
#include "game/MenuWidgets.h"
#include "game/PlayerFiles.h"
#include "game/ResultsLabel.h"
#include "game/Settings.h"
#include "game/Valdmoor.h"

// The levels fill the column from the top, one a row, level 1 in row 0;
// "Back" keeps the bottom row, added first as the menu has always had it.
CSinglePlayerMenu::CSinglePlayerMenu(GUI::CScreen* menu, CValdmoor* game) : CBackScreen(menu), m_game(game)
{
    const char* const captions[] = {"Easy", "Medium", "Hard", "Expert"};
    AddDecoration(this);
    AddMenuButton(this, kMenuColumnX, MenuRowY(kMenuRows - 1), "Back", Functor0<GUI::CScreen>(menu, &GUI::CScreen::Show));
    for (int level = 1; level <= ExpertLevel; ++level)
        AddMenuButton(this, kMenuColumnX, MenuRowY(level - 1), captions[level - 1],
                      Closure1<CSinglePlayerMenu, int>(this, &CSinglePlayerMenu::StartGame, level));
    for (int level = 1; level <= ExpertLevel; ++level)
        AddChild(new CResultsLabel(kResultsX, MenuRowY(level - 1) + kResultsRise, &game->m_match, level));
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
