#pragma once

// The two sides, what a board cell holds, who moves for a side, and the
// per-player part of a position.

// The two sides; also what a board cell holds for a stone.
enum PlayerID
{
    Red   = 0,
    White = 1
};

// A board cell holds a PlayerID for a stone, or this.
const int EmptyCell = 2;

// Who moves for a side.
enum Controller
{
    Human    = 0,                           // a person, at the keys and the mouse
    Computer = 2                            // the computer player seated at the game
};

const int HandSize    = 5;                  // slots in a hand
const int KnightCount = 4;                  // knights of each player at the start of a game

// One player's part of a position.
struct PlayerState
{
    int  m_score;                           // sum of the squared sizes of the player's groups
    int  m_knights;                         // knights left, 0..4
    bool m_playable[HandSize];              // slot empty (a draw is possible) or its card can be played now
    int  m_hand[HandSize];                  // a card 0..23 or NoCard per slot
};

// The other side.
inline PlayerID Opponent(PlayerID player)
{
    return player == Red ? White : Red;
}
