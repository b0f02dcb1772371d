#include "ai/ExpertAI.h"

#include "ai/QueueDecision.h"
#include "engine/Callables.h"
#include "engine/Task.h"
#include "game/rules/GameTable.h"

using namespace Tasks;

CExpertAI::CExpertAI(std::uint64_t seed) : m_search(seed) {}

void CExpertAI::TakeTurn()
{
    Queue<CTask<Starters::Bottom, Flushers::Once, Functor0<CExpertAI>>>(Functor0<CExpertAI>(this, &CExpertAI::ChooseMove));
}

// The game may have been left, taken back or started afresh while this
// task waited; then the turn is no longer ours.
void CExpertAI::ChooseMove()
{
    if (!m_game->ComputerToMove())
        return;
    QueueDecision(*m_game, m_search.ChooseAction(m_game->Position()));
}
