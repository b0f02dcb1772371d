#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ai/TreeSearch.h"
#include "game/Card.h"
#include "tests/game/TestGame.h"

namespace
{

typedef std::vector<std::pair<int, std::string>> Rows;

// King on row 1, column 1. From there the cards 11..15 and 19..23 leave the
// board; 18 lands on (1, 4), 10 on (1, 3) and 8 on (3, 1).
const Rows g_redLine = { { 3, "RRR......" } };

const std::vector<int> g_redCanMove = { 0, 1, 2, 3, 4 };
const std::vector<int> g_redStuck   = { 11, 12, 13, 14, 15 };

class TreeSearchTest : public ::testing::Test
{
protected:
    void SetUpWhiteToMove(const Rows& rows, const std::vector<int>& white,
                          const std::vector<int>& red = g_redCanMove)
    {
        SetRows(m_game, rows);
        m_game.m_kingRow = 1;
        m_game.m_kingCol = 1;
        m_game.m_current = White;
        m_game.m_players[Red].m_knights = 4;
        m_game.m_players[White].m_knights = 4;
        SetHand(m_game, White, white);
        SetHand(m_game, Red, red);
        Settle(m_game);
    }

    Decision Choose(int difficulty)
    {
        CTreeSearch search(difficulty);
        return search.ChooseAction(m_game);
    }

    CRecordingObserver m_observer;
    CGameState         m_game{ &m_observer, TestSeconds };
};

void ExpectPlay(const Decision& decision, int slot)
{
    EXPECT_EQ(decision.m_kind, Decision::Play);
    EXPECT_EQ(decision.m_slot, slot);
}

TEST_F(TreeSearchTest, EasyPrefersJoiningItsGroupToALoneStone)
{
    const Rows rows = { { 3, "RRR......" }, { 1, ".....W..." } };   // next to where card 18 lands
    SetUpWhiteToMove(rows, { 10, 18, 20, 21, 22 });
    ExpectPlay(Choose(1), 1);
}

TEST_F(TreeSearchTest, AmongEqualCardsTheLowestSlotIsPlayed)
{
    SetUpWhiteToMove(g_redLine, { 20, 21, 18, 22, 10 });
    ExpectPlay(Choose(1), 2);
}

TEST_F(TreeSearchTest, EasyCountsAKnightAsSevenPoints)
{
    // Card 8 converts the middle of Red's line: Red's 9 become 1 + 1 and
    // White gains a lone stone, 8 points, less 7 for the knight: as good as
    // the lone stone of card 18, so the lower slot wins either way round.
    SetUpWhiteToMove(g_redLine, { 8, 18, 20, 21, 22 });
    ExpectPlay(Choose(1), 0);
    SetUpWhiteToMove(g_redLine, { 18, 8, 20, 21, 22 });
    ExpectPlay(Choose(1), 0);

    // Next to a White stone the converted square is worth 2 more.
    const Rows rows = { { 4, ".W......." }, { 3, "RRR......" } };
    SetUpWhiteToMove(rows, { 18, 8, 20, 21, 22 });
    ExpectPlay(Choose(1), 1);
}

TEST_F(TreeSearchTest, KnightMoveNeedsAKnightLeft)
{
    SetUpWhiteToMove(g_redLine, { 8, 19, 20, 21, 22 });
    m_game.m_players[White].m_knights = 0;
    m_game.UpdateMoves();
    EXPECT_EQ(Choose(1).m_kind, Decision::Skip);
    m_game.m_players[White].m_knights = 1;
    m_game.UpdateMoves();
    ExpectPlay(Choose(1), 0);
}

TEST_F(TreeSearchTest, EasyDrawsWhenNoCardGainsMoreThanTheBonusOfTwo)
{
    SetUpWhiteToMove(g_redLine, { 18, NoCard, 20, 21, 22 });
    EXPECT_EQ(Choose(1).m_kind, Decision::Draw);

    const Rows rows = { { 3, "RRR......" }, { 1, ".....W..." } };
    SetUpWhiteToMove(rows, { 18, NoCard, 20, 21, 22 });
    ExpectPlay(Choose(1), 0);
}

TEST_F(TreeSearchTest, DrawIsChosenOnlyWhenStrictlyBetterThanTheBestCard)
{
    const Rows rows = { { 3, "RRR......" }, { 1, ".....W..." } };   // card 18 gains 3
    SetUpWhiteToMove(rows, { 18, NoCard, 20, 21, 22 });
    CTreeSearch search(1);
    search.m_drawBonus = 3;
    ExpectPlay(search.ChooseAction(m_game), 0);
    search.m_drawBonus = 4;
    EXPECT_EQ(search.ChooseAction(m_game).m_kind, Decision::Draw);
}

TEST_F(TreeSearchTest, WhiteDrawsWithoutSearchingWhenRedIsStuck)
{
    const Rows rows = { { 3, "RRR......" }, { 1, ".....W..." } };
    SetUpWhiteToMove(rows, { 18, NoCard, 20, 21, 22 }, g_redStuck);
    for (int difficulty = 1; difficulty <= 3; ++difficulty)
    {
        CTreeSearch search(difficulty);
        EXPECT_EQ(search.ChooseAction(m_game).m_kind, Decision::Draw);
        EXPECT_EQ(search.Nodes(), 0u);
    }

    SetUpWhiteToMove(rows, { 18, NoCard, 20, 21, 22 }, { 11, 12, 13, 14, NoCard });
    ExpectPlay(Choose(1), 0);
}

TEST_F(TreeSearchTest, WhiteSkipsWithFiveIllegalCardsAndDrawsWithAnEmptySlot)
{
    for (int difficulty = 1; difficulty <= 3; ++difficulty)
    {
        SetUpWhiteToMove(g_redLine, { 19, 20, 21, 22, 23 });
        EXPECT_EQ(Choose(difficulty).m_kind, Decision::Skip);
        SetUpWhiteToMove(g_redLine, { 19, 20, NoCard, 22, 23 });
        EXPECT_EQ(Choose(difficulty).m_kind, Decision::Draw);
    }
}

} // namespace
