#include <gtest/gtest.h>

#include "ai/ExpertAI.h"
#include "ai/TreeAI.h"
#include "game/rules/Card.h"
#include "tests/game/ScreenFixture.h"

namespace
{

class TreeAITest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        if (HasFatalFailure())
            return;
        m_game->m_match.SeatComputer(m_ai = new CTreeAI(1), 1);
        m_game->Show();
        RunQueuedTasks();
    }

    CTreeAI* m_ai = nullptr;                // owned by m_game
};

// Ctrl+Z while the computer thinks gives the move back to Red: the search
// already queued finds the turn gone and plays nothing.
TEST_F(TreeAITest, ATurnTakenBackWhileTheComputerThinksIsLeftAlone)
{
    Act();
    m_ai->TakeTurn();
    m_game->TakeBack();
    RunQueuedTasks();
    EXPECT_EQ(m_game->m_match.m_state.m_current, Red);
    EXPECT_TRUE(m_game->m_match.m_state.m_deck.m_discardPile.empty());
}

// The pause before a reply and the levels' replies are the end-to-end tests';
// the Expert, whom they do not play, waits out the same pause and plays
// through the same rules.
TEST_F(TreeAITest, ExpertTakesItsTurnTheSameWay)
{
    m_game->m_match.SeatComputer(new CExpertAI(0), ExpertLevel);
    Act();
    const CGameState& state = m_game->m_match.m_state;
    ASSERT_EQ(state.m_current, White);
    LetTheKingLand();
    PassTime(0.3);
    RunQueuedTasks();
    EXPECT_EQ(state.m_current, White);
    PassTime(0.6);
    const Decision expected = CExpertSearch(0).ChooseAction(state);
    ASSERT_EQ(expected.m_kind, Decision::Play);
    const int card = state.m_players[White].m_hand[expected.m_slot];
    RunQueuedTasks();
    EXPECT_EQ(state.m_current, Red);
    EXPECT_EQ(state.m_players[White].m_hand[expected.m_slot], NoCard);
    EXPECT_EQ(state.m_deck.m_discardPile.back(), card);
}

} // namespace
