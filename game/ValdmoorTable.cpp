#include "engine/Callables.h"
#include "engine/Task.h"
#include "game/Valdmoor.h"

namespace
{

template <typename Callable>
using ActionTask = Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, Callable>;

} // namespace

const CGameState& CValdmoor::Position() const
{
    return m_state;
}

void CValdmoor::QueuePlayCard(PlayerID player, int slot)
{
    Tasks::Queue<ActionTask<Closure2<CValdmoor, PlayerID, int>>>(
        Closure2<CValdmoor, PlayerID, int>(this, &CValdmoor::PlayCard, player, slot));
}

void CValdmoor::QueueDrawCard()
{
    Tasks::Queue<ActionTask<Functor0<CValdmoor>>>(Functor0<CValdmoor>(this, &CValdmoor::DrawCard));
}

void CValdmoor::QueueSkipTurn()
{
    Tasks::Queue<ActionTask<Functor0<CValdmoor>>>(Functor0<CValdmoor>(this, &CValdmoor::SkipTurn));
}
