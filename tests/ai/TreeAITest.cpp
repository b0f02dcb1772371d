#include <gtest/gtest.h>

#include "ai/ExpertAI.h"
#include "ai/TreeAI.h"
#include "ai/TreeSearch.h"
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

    void PlayFirstPlayable(PlayerID player)
    {
        const PlayerState& hand = m_game->m_match.m_state.m_players[player];
        int slot = 0;
        while (slot < HandSize && (hand.m_hand[slot] == NoCard || !hand.m_playable[slot]))
            ++slot;
        ASSERT_LT(slot, HandSize) << "no playable card";
        m_game->HumanPlayCard(player, slot);
    }

    CTreeAI* m_ai = nullptr;                // owned by m_game
};

// The reply is a timed task, due half a second after Red's move, and thinks
// a queue cycle after it falls due.
TEST_F(TreeAITest, ComputerThinksAfterThePauseAndActsThroughTheRules)
{
    PlayFirstPlayable(Red);
    const CGameState& state = m_game->m_match.m_state;
    ASSERT_EQ(state.m_current, White);
    LetTheKingLand();
    PassTime(0.3);
    EXPECT_EQ(m_handler.QueuedCount(), 0u);
    EXPECT_EQ(m_handler.WaitingCount(), 1u);
    PassTime(0.6);
    const Decision expected = CTreeSearch(1).ChooseAction(state);
    ASSERT_EQ(expected.m_kind, Decision::Play);
    const int card = state.m_players[White].m_hand[expected.m_slot];
    for (int tick = 0; tick < 3; ++tick)
    {
        EXPECT_EQ(state.m_current, White) << "tick " << tick;
        ASSERT_EQ(m_handler.QueuedCount(), 1u) << "tick " << tick;
        m_handler.Tick();
    }
    EXPECT_EQ(state.m_current, Red);
    EXPECT_EQ(state.m_players[White].m_hand[expected.m_slot], NoCard);
    EXPECT_EQ(state.m_deck.m_discardPile.back(), card);
    EXPECT_EQ(m_handler.QueuedCount(), 1u);    // only the first frame of the card's slide
}

// Ctrl+Z while the computer thinks gives the move back to Red: the search
// already queued finds the turn gone and plays nothing.
TEST_F(TreeAITest, ATurnTakenBackWhileTheComputerThinksIsLeftAlone)
{
    PlayFirstPlayable(Red);
    m_ai->TakeTurn();
    m_game->TakeBack();
    RunQueuedTasks();
    EXPECT_EQ(m_game->m_match.m_state.m_current, Red);
    EXPECT_TRUE(m_game->m_match.m_state.m_deck.m_discardPile.empty());
}

// The Expert waits out the same pause and plays through the same rules.
TEST_F(TreeAITest, ExpertTakesItsTurnTheSameWay)
{
    m_game->m_match.SeatComputer(new CExpertAI(0), ExpertLevel);
    PlayFirstPlayable(Red);
    const CGameState& state = m_game->m_match.m_state;
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
