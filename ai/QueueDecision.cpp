#include "ai/QueueDecision.h"

#include "game/rules/GameTable.h"

void QueueDecision(IGameTable& game, const Decision& decision)
{
    if (decision.m_kind == Decision::Play)
        game.QueuePlayCard(game.Position().m_current, decision.m_slot);
    else if (decision.m_kind == Decision::Draw)
        game.QueueDrawCard();
    else
        game.QueueSkipTurn();
}
