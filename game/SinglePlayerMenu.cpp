#include "game/SinglePlayerMenu.h"

#include "ai/ExpertAI.h"
#include "ai/TreeAI.h"
#include "engine/Callables.h"
#include "game/MenuWidgets.h"
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
}

void CSinglePlayerMenu::StartGame(int level)
{
    // One fixed seed: each decision's stream is that seed mixed with the visible position.
    IBaseAI* ai = level == ExpertLevel ? static_cast<IBaseAI*>(new CExpertAI(0)) : new CTreeAI(level);
    m_game->AttachAI(ai);
    m_game->Show();
}
