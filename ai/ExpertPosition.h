#pragma once

#include <cstdint>

#include "ai/SearchNode.h"
#include "game/rules/Card.h"
#include "game/rules/Player.h"

class CExpertRandom;
class CGameState;

// The moves of the Expert's tree and playouts: 0..4 play the card in that
// hand slot, then these.
enum ExpertMove
{
    ExpertDraw  = 5,                        // a card into the lowest empty slot
    ExpertSkip  = 6,                        // a pass, when nothing else is possible
    ExpertMoves = 7                         // how many there are
};

// A game as a player at the table knows it, played forward on one imagined
// order of the cards out of sight: those in neither hand nor the discard
// pile. The pile is refilled from the discards and shuffled when its last
// card is drawn, as the game's deck does, so the order only ever comes from
// the random stream. A score is a function of the board alone, so a line is
// played without scoring and only its last board is counted.
struct ExpertPosition
{
    SearchNode   m_node;                    // board, king, side to move and knights; the rest unused
    std::int8_t  m_hands[2][HandSize];      // Red's, then White's card per slot; NoCard for an empty slot
    std::int8_t  m_pile[CardCount];         // the imagined draw pile; its top is the last card
    std::int8_t  m_discards[CardCount];     // cards played since the last refill
    std::int8_t  m_pileSize;                // cards in m_pile
    std::int8_t  m_discardSize;             // cards in m_discards
    bool         m_over;                    // neither side can act: the game has ended

    // The visible part of game; the pile holds the cards out of sight in
    // ascending order until Shuffle.
    void SetUp(const CGameState& game);
    void Shuffle(CExpertRandom& random);    // deals the pile one imagined order

    PlayerID Mover() const;                 // the side to move
    int      LegalMoves(std::uint8_t moves[ExpertMoves]) const;    // fills moves, returns how many
    bool     Playable(PlayerID player, int slot) const;             // the slot's card may be played by player
    bool     CanAct(PlayerID player) const; // the player could play or draw were it his turn
    // The playouts' choice among the legal moves: the one that joins the
    // most of the mover's stones, a knight spent counted against it.
    int      PlayoutMove(const std::uint8_t* moves, int count, CExpertRandom& random) const;
    void     Apply(int move, CExpertRandom& random);                // move must be legal
    int      Difference() const;            // White's score minus Red's
    int      Value(int knightValue) const;  // Difference, plus knightValue per knight more than Red's until the game is over
};
