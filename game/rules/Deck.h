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
    explicit CDeck(ShuffleClock clock);     // empty piles; clock seeds the shuffles

    void Reset();                           // all 24 cards on the draw pile in order, the discard pile empty
    void Shuffle();                         // shuffles the draw pile, seeded as below
    int  Take();                            // the top card; the pile must not be empty
    void Discard(int card);                 // onto the discard pile
    void Refill();                          // the discard pile under the draw pile
    // The next shuffle takes this seed instead of the clock's, once: a game
    // replayed from its record deals exactly as it was dealt.
    void SeedNextShuffle(unsigned seed);

    std::vector<int> m_drawPile;            // cards to be drawn; the top is the last element
    std::vector<int> m_discardPile;         // played cards, in the order played
    unsigned         m_shuffles;            // shuffles since the deck was made; a change tells an action shuffled
    unsigned         m_lastSeed;            // what the last shuffle was seeded with

private:
    ShuffleClock     m_clock;               // seed of every shuffle not given by SeedNextShuffle
    bool             m_seedGiven;           // SeedNextShuffle's seed waits for the next shuffle
    unsigned         m_givenSeed;
};
