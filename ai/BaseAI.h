#pragma once

class CValdmoor;

// A computer opponent. The game screen owns it and calls TakeTurn whenever
// the move passes to the side it plays.
class IBaseAI
{
public:
    virtual ~IBaseAI() {}
    virtual void TakeTurn() = 0;            // play one turn for the game's player to move

    CValdmoor* m_game = nullptr;            // the game played in; owned by the widget tree, set by AttachAI
};
