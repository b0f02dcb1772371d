#include "ai/TreeAI.h"

#include "ai/QueueDecision.h"
#include "engine/Callables.h"
#include "engine/Task.h"
#include "game/rules/GameTable.h"

using namespace Tasks;

CTreeAI::CTreeAI(int difficulty) : m_search(difficulty) {}

void CTreeAI::TakeTurn()
{
    Queue<CTask<Starters::Bottom, Flushers::Once, Functor0<CTreeAI>>>(Functor0<CTreeAI>(this, &CTreeAI::ChooseMove));
}

// The game may have been left, taken back or started afresh while this
// task waited; then the turn is no longer ours.
void CTreeAI::ChooseMove()
{
    if (!m_game->ComputerToMove())
        return;
    const CGameState& game = m_game->Position();

    QueueDecision(*m_game, m_search.ChooseAction(game));
}
