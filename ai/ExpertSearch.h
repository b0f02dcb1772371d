#pragma once

#include <cstdint>
#include <vector>

#include "ai/ExpertPosition.h"
#include "ai/ExpertRandom.h"
#include "ai/TreeSearch.h"

class CGameState;

const int ExpertLevel = 4;                  // the Expert's number where levels are chosen, after Hard's 3

// The Expert's choice for the side to move: a Monte Carlo tree search over
// the moves play-slot, draw and skip. Every iteration deals a fresh random
// order of the cards out of sight, walks the tree by the upper confidence
// bound, adds one node, and plays a short line from it in which each side
// grows its own groups, scored as the score difference plus a value per
// knight left. The tree is rebuilt each decision in a pool allocated once,
// and a decision is a fixed number of iterations from a stream seeded by the
// seed and the visible position, so it never depends on the time taken nor
// on the draw pile's order.
class CExpertSearch
{
public:
    explicit CExpertSearch(std::uint64_t seed); // mixed into every decision's stream; allocates the pool

    Decision      ChooseAction(const CGameState& game);   // the move for the side to move, Red or White
    std::uint32_t Nodes() const;            // tree nodes of the last decision, for tests and the benchmark

private:
    // One move of the tree, under the node of the position it was made from.
    struct Node
    {
        std::int32_t  m_children[ExpertMoves]; // pool index per move, 0 while not yet added (the root is never a child)
        std::uint32_t m_visits;             // iterations that went through the node
        std::uint32_t m_offered;            // iterations in which its move was legal at the parent
        float         m_reward;             // sum of the rewards, 0..1 each, for the side that made its move
    };

    std::uint64_t PositionSeed(const CGameState& game) const;  // the decision's stream: seed and what is visible
    void          Iterate(const ExpertPosition& root);         // one walk down, one node added, one playout
    int           Select(const Node& node, const std::uint8_t* moves, int count) const; // the child to walk into
    float         Playout(ExpertPosition& position);           // White's reward of a short line from position

    std::vector<Node> m_pool;               // every node of the tree; sized once, index 0 the root
    std::uint32_t     m_used;               // nodes of the pool in use
    std::uint64_t     m_seed;               // mixed into every decision's stream
    CExpertRandom     m_random;             // the current decision's stream
    int               m_rootValue;          // the root's value for White, from which a line's gain counts
};
