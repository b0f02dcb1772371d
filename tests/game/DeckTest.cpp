#include <gtest/gtest.h>

#include <vector>

#include "game/rules/Deck.h"
#include "tests/game/TestGame.h"

namespace
{

typedef std::vector<int> Cards;

// Reset puts the cards in order, so the shuffle of a second is always the same.
TEST(DeckTest, ResetEmptiesTheDiscardPileAndTheShuffleIsFixedBySecondsSinceStart)
{
    const Cards shuffles[] = {
        { 6, 15, 22, 21, 20, 19, 23, 0, 18, 14, 1, 11, 3, 12, 10, 16, 17, 2, 4, 5, 7, 9, 8, 13 },
        { 18, 5, 23, 17, 21, 6, 12, 22, 10, 14, 1, 8, 2, 4, 20, 0, 13, 3, 16, 19, 15, 9, 11, 7 },
    };
    CDeck deck(TestSeconds);
    for (unsigned seconds = 0; seconds < 2; ++seconds)
    {
        g_testSeconds = seconds;
        deck.m_discardPile = { 3, 4 };
        deck.Reset();
        EXPECT_TRUE(deck.m_discardPile.empty());
        deck.Shuffle();
        EXPECT_EQ(deck.m_drawPile, shuffles[seconds]) << "second " << seconds;
    }
}

TEST(DeckTest, TakingTheLastCardRefillsFromTheDiscardPileAndShufflesAndAnEmptyPileStaysEmpty)
{
    CDeck deck(TestSeconds);
    g_testSeconds = 2;
    deck.m_drawPile = { 20 };
    deck.m_discardPile = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14 };
    EXPECT_EQ(deck.Take(), 20);
    EXPECT_EQ(deck.m_drawPile, Cards({ 9, 14, 13, 12, 2, 10, 6, 5, 4, 8, 11, 1, 3, 7 }));
    EXPECT_TRUE(deck.m_discardPile.empty());

    deck.m_drawPile.clear();
    deck.Shuffle();
    EXPECT_TRUE(deck.m_drawPile.empty());
}

} // namespace
