#pragma once

#include <vector>

// Whole seconds of the running program; each shuffle seeds its generator with
// it, so two shuffles in the same second deal the same order.
typedef unsigned (*ShuffleClock)();

// The card supply: a draw pile, refilled and shuffled from the discard pile
// the moment its last card is taken.
class CDeck
{
public:
    explicit CDeck(ShuffleClock clock);

    void Reset();
    void Shuffle();
    int  Take();
    void Discard(int card);
    void Refill();

    std::vector<int> m_drawPile;            // cards to be drawn; the top is the last element
    std::vector<int> m_discardPile;         // played cards, in the order played

private:
    ShuffleClock     m_clock;               // seed of every shuffle
};
