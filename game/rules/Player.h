#pragma once

// The two sides, what a board cell holds, who moves for a side, and the
// per-player part of a position.

enum PlayerID
{
    Red   = 0,
    White = 1
};

// A board cell holds a PlayerID for a stone, or this.
const int EmptyCell = 2;

enum Controller
{
    Human    = 0,
    Computer = 2
};

const int HandSize    = 5;                  // slots in a hand
const int KnightCount = 4;                  // knights of each player at the start of a game

struct PlayerState
{
    int  m_score;                           // sum of the squared sizes of the player's groups
    int  m_knights;                         // knights left, 0..4
    bool m_playable[HandSize];              // slot empty (a draw is possible) or its card can be played now
    int  m_hand[HandSize];                  // a card 0..23 or NoCard per slot
};

inline PlayerID Opponent(PlayerID player)
{
    return player == Red ? White : Red;
}
