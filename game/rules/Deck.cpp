#include "game/rules/Deck.h"

#include <cassert>
#include <cstdint>
#include <utility>

#include "game/rules/Card.h"

namespace
{

const int g_exchanges = 1000;               // pairs swapped per shuffle

// The classic linear congruential generator: 15-bit numbers from the high
// half of a 32-bit state, which wraps on purpose.
class CShuffleRandom
{
public:
    explicit CShuffleRandom(std::uint32_t seed) : m_state(seed) {}

    int Next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 32767u);
    }

private:
    std::uint32_t m_state;                  // the last number before masking
};

} // namespace

CDeck::CDeck(ShuffleClock clock)
    : m_shuffles(0), m_lastSeed(0), m_clock(clock), m_seedGiven(false), m_givenSeed(0)
{
    m_drawPile.reserve(CardCount);
    m_discardPile.reserve(CardCount);
}

void CDeck::Reset()
{
    m_drawPile.clear();
    m_discardPile.clear();
    for (int card = 0; card < CardCount; ++card)
        m_drawPile.push_back(card);
}

void CDeck::Shuffle()
{
    // An empty pile has nothing to exchange, and would divide by zero below.
    if (m_drawPile.empty())
        return;
    m_lastSeed = m_seedGiven ? m_givenSeed : m_clock();
    m_seedGiven = false;
    ++m_shuffles;
    CShuffleRandom random(m_lastSeed);
    for (int exchange = 0; exchange < g_exchanges; ++exchange)
    {
        const int count = static_cast<int>(m_drawPile.size());
        const int i = random.Next() % count;
        const int j = random.Next() % count;
        std::swap(m_drawPile[i], m_drawPile[j]);
    }
}

int CDeck::Take()
{
    assert(!m_drawPile.empty());
    const int card = m_drawPile.back();
    m_drawPile.pop_back();
    if (m_drawPile.empty())
    {
        Refill();
        Shuffle();
    }
    return card;
}

void CDeck::Discard(int card)
{
    m_discardPile.push_back(card);
}

void CDeck::Refill()
{
    m_drawPile.insert(m_drawPile.end(), m_discardPile.begin(), m_discardPile.end());
    m_discardPile.clear();
}

void CDeck::SeedNextShuffle(unsigned seed)
{
    m_seedGiven = true;
    m_givenSeed = seed;
}
