#pragma once

#include <cstdint>

// The byte values of SearchNode::m_cells. Bit 0 says a stone is there, bit 1
// that it is White's, so a stone's owner is one test away; bit 2 is a group's
// visit mark, set only while a move is scored.
enum SearchCell : std::uint8_t
{
    NoStone    = 0,                     // an empty square
    RedStone   = 1,                     // StoneBit
    WhiteStone = 3                      // StoneBit and WhiteBit
};

// The bits of a cell's byte, tested one at a time.
enum SearchCellBit : std::uint8_t
{
    StoneBit  = 1,                      // a stone is there
    WhiteBit  = 2,                      // the stone is White's
    VisitMark = 4                       // counted in the group being scored
};

// The position the search works on: one small record, copied by value into
// every node. Cards are not in it; a set hand-mask bit means the slot still
// holds its card of the real game in this line of play.
struct SearchNode
{
    bool          m_side;                   // true when White is to move
    std::uint8_t  m_knights[2];             // knights left for Red, then White
    std::uint8_t  m_cells[81];              // SearchCell values, row * 9 + column; VisitMark while a move is scored
    std::uint16_t m_handMask;               // bits 0..4 White's slots, 5..9 Red's
    std::int16_t  m_difference;             // White's score minus Red's, plus knight costs and draw bonuses
    std::int32_t  m_kingRow;                // 0..8 (off the board only while a card is tried)
    std::int32_t  m_kingCol;                // 0..8
    std::int32_t  m_depth;                  // plies still to search; 0 means no limit
};
