#pragma once

#include <cstdint>

#include "ai/BaseAI.h"
#include "ai/ExpertSearch.h"

// The strongest computer opponent, White in the one-player game. It takes
// its turn as CTreeAI does: it thinks in a task at the back of the run queue
// and hands its choice to the game as an action that goes through the same
// checks as a human's.
class CExpertAI : public IBaseAI
{
public:
    explicit CExpertAI(std::uint64_t seed); // seed of the search's random stream

    void TakeTurn() override;               // queues ChooseMove behind what is already waiting
    void ChooseMove();                      // searches and queues the action, if the turn is still the computer's

private:
    CExpertSearch m_search;                 // the tree's pool and the search itself
};
