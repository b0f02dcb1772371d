#pragma once

class IGameTable;

// A computer opponent. The game owns it and calls TakeTurn whenever the move
// passes to the side it plays.
class IBaseAI
{
public:
    virtual ~IBaseAI() {}                   // deleted by the game that owns it
    virtual void TakeTurn() = 0;            // play one turn for the game's player to move

    IGameTable* m_game = nullptr;           // the game played in; outlives the AI, set when it is seated
};
