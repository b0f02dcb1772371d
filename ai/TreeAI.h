#pragma once

#include "ai/BaseAI.h"
#include "ai/TreeSearch.h"

// The computer opponent of the one-player game: White, at one of three
// difficulties. It thinks in a task of its own at the back of the run queue,
// so the human's move is drawn first, and hands its choice to the game as a
// front-of-queue action that goes through the same checks as a human's.
class CTreeAI : public IBaseAI
{
public:
    explicit CTreeAI(int difficulty);       // 1 Easy, 2 Medium, anything else Hard

    void TakeTurn() override;               // queues ChooseMove behind what is already waiting
    void ChooseMove();                      // searches and queues the action, if the turn is still the computer's

private:
    CTreeSearch m_search;                   // the difficulty's settings and the search itself
};
