#pragma once

#include <cstdint>

#include "ai/SearchNode.h"

class CGameState;

// What a search hands back (Decision, Landing), then the reference search
// of the three difficulties (CTreeSearch).

// ---- Results -----------------------------------------------------------------

// What the computer does on its turn.
struct Decision
{
    // The three actions of a player.
    enum Kind
    {
        Play,                               // the card in m_slot
        Draw,                               // a card into the lowest empty slot
        Skip                                // pass, when nothing else is possible
    };

    Kind m_kind;                            // which action
    int  m_slot;                            // hand slot 0..4 for Play, -1 otherwise
};

// Where a card would take the king, from the side to move's point of view.
enum Landing
{
    Blocked      = 0,                       // off the board, or on one of the mover's own stones
    FreeSquare   = 1,
    KnightSquare = 2                        // on the other side's stone: playable only with a knight
};

// ---- The reference search ----------------------------------------------------

// The computer's choice for White: a plain minimax over the card plays, draws
// and passes of both sides, scored as White's score minus Red's with the
// knight costs and draw bonuses of the difficulty. No pruning, nothing
// allocated; the cards searched are exactly the ten on the table.
class CTreeSearch
{
public:
    // The moves of a node: 0..4 play the card in that slot, then these.
    enum Move
    {
        DrawMove = 5,                       // a card into an empty slot
        PassMove = 6                        // a skip
    };

    explicit CTreeSearch(int difficulty);   // 1 Easy, 2 Medium, anything else Hard; the levels' table is in TreeSearch.cpp

    // The level's move for White, who must be to move in game.
    Decision ChooseAction(const CGameState& game);

    // The value for White once the parent's side to move makes move; for a
    // card the caller has already put the parent's king on its target.
    int                 Search(const SearchNode& parent, int move);
    // The size of the group of value cells holding the square, its visit
    // marks toggled; 0 for a square off the board or not holding value.
    static int          CountAndMark(SearchNode& node, int row, int column, std::uint8_t value);
    static Landing      TargetKind(const SearchNode& node);    // what lies under the king, for the side to move
    static std::int16_t PlaceStone(SearchNode& node);          // the mover's stone under the king; White's lead gained
    std::uint64_t       Nodes() const;      // Search calls of the last decision, for tests and the benchmark

    std::int32_t  m_depth;                  // plies searched below the root; 0 means no limit
    std::int32_t  m_knightCost;             // evaluation points per knight spent, from White's side; negative
    std::int32_t  m_drawBonus;              // evaluation points per card drawn, from White's side

private:
    void BuildRoot(const CGameState& game, SearchNode& root);  // the table's position, hand steps looked up once
    void ApplyMove(SearchNode& node, int move) const;          // plays move on node for its side to move
    int  BestCard(SearchNode& node, int& best);                // the best card's value; best gets its slot
    bool DrawBeats(SearchNode& node, int best, int& value);    // whether a draw is worth more than best

    std::int32_t  m_rowStep[2][5];          // rows each card of Red's, then White's hand moves the king
    std::int32_t  m_columnStep[2][5];       // columns, likewise
    std::uint64_t m_nodes;                  // Search calls made by the last ChooseAction
};
