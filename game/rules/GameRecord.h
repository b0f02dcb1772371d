#pragma once

// Index of this file:
//   GameAction - one action of a game, as a record keeps it
//   GameRecord - a whole game: who played, how the deck was shuffled, every action

#include <cstddef>
#include <vector>

#include "game/rules/Player.h"

//------------------------------------------------------------------ GameAction

// The three actions of a turn.
enum ActionKind
{
    PlayAction,                             // the card in m_slot
    DrawAction,                             // a card into the lowest empty slot
    SkipAction                              // the turn given up
};

// One action as a record keeps it, with the shuffle it caused.
struct GameAction
{
    PlayerID   m_side;                      // who acted; always the side to move
    ActionKind m_kind;
    int        m_slot;                      // hand slot 0..4 for a play, -1 otherwise
    bool       m_shuffled;                  // a draw that took the last card, so the pile was shuffled anew
    unsigned   m_seed;                      // that shuffle's seed; 0 when m_shuffled is false
};

// Every field equal: the same action with the same shuffle.
inline bool operator==(const GameAction& a, const GameAction& b)
{
    return a.m_side == b.m_side && a.m_kind == b.m_kind && a.m_slot == b.m_slot && a.m_shuffled == b.m_shuffled &&
           a.m_seed == b.m_seed;
}

//------------------------------------------------------------------ GameRecord

const int PersonLevel = 0;                  // a side played by a person; 1..4 is the computer's level

// Everything needed to play a game again: the seat of each side, the seed
// of the deal's shuffle and the actions in order. Every later shuffle's seed
// rides on the draw that caused it.
struct GameRecord
{
    int                     m_levels[2];    // Red's, White's: PersonLevel or the computer's level
    unsigned                m_dealSeed;     // the new game's shuffle
    std::vector<GameAction> m_actions;      // oldest first
    std::vector<int>        m_actionLines;  // file line of each action when read from a file; empty otherwise
    bool                    m_finished;     // nobody could act any more after the last action
    int                     m_scores[2];    // Red's, White's final scores; set only when m_finished
    int                     m_resultLine;   // file line of the result when read from a file; 0 otherwise
};

// A record of a game just dealt: no action yet, not finished.
GameRecord NewRecord(int redLevel, int whiteLevel, unsigned dealSeed);
