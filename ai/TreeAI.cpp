#include "ai/TreeAI.h"

#include "engine/Callables.h"
#include "engine/Task.h"
#include "game/Valdmoor.h"

using namespace Tasks;

CTreeAI::CTreeAI(int difficulty) : m_search(difficulty) {}

void CTreeAI::TakeTurn()
{
    new CTask<Starters::Bottom, Flushers::Once, Functor0<CTreeAI>>(Functor0<CTreeAI>(this, &CTreeAI::ChooseMove));
}

// A human may have moved for White while this task waited (White's buttons
// take clicks during the computer's turn); then the turn is no longer ours.
void CTreeAI::ChooseMove()
{
    const CGameState& game = m_game->m_state;
    if (game.m_current != White || game.m_currentController != Computer)
        return;

    const Decision decision = m_search.ChooseAction(game);
    if (decision.m_kind == Decision::Play)
    {
        new CTask<Starters::Immediate, Flushers::Once, Closure2<CValdmoor, PlayerID, int>>(
            Closure2<CValdmoor, PlayerID, int>(m_game, &CValdmoor::PlayCard, game.m_current, decision.m_slot));
        return;
    }
    const Functor0<CValdmoor>::Method action =
        decision.m_kind == Decision::Draw ? &CValdmoor::DrawCard : &CValdmoor::SkipTurn;
    new CTask<Starters::Immediate, Flushers::Once, Functor0<CValdmoor>>(Functor0<CValdmoor>(m_game, action));
}
