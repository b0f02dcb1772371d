#pragma once

#include "game/rules/GameState.h"
#include "game/rules/Player.h"

// The game as a computer player sits at it: it reads the position and asks
// for its action, which the game takes on its next tick through the same
// checks as a human's. Whatever shows the game implements it.
class IGameTable
{
public:
    virtual ~IGameTable() {}                // the computer player does not own its table

    virtual const CGameState& Position() const = 0;    // the game as it stands, to read
    // The computer is to move here and now: its turn has not been taken
    // back, left or handed on while it thought.
    virtual bool              ComputerToMove() const = 0;
    // The computer's action, taken on a later tick if its turn still holds.
    virtual void              QueuePlayCard(PlayerID player, int slot) = 0;
    virtual void              QueueDrawCard() = 0;
    virtual void              QueueSkipTurn() = 0;
};
