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
const Rows g_redLine = {{3, "RRR......"}};
const Rows g_besideWhite = {{3, "RRR......"}, {1, ".....W..."}};   // card 18 gains 3

class TreeSearchTest : public ::testing::Test
{
protected:
    void SetUpWhiteToMove(const Rows& rows, const std::vector<int>& white,
                          const std::vector<int>& red = {0, 1, 2, 3, 4})
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

    // drawBonus 0 keeps the difficulty's own.
    std::string Choose(int difficulty, int drawBonus = 0)
    {
        CTreeSearch search(difficulty);
        if (drawBonus != 0)
            search.m_drawBonus = drawBonus;
        const Decision decision = search.ChooseAction(m_game);
        m_nodes = search.Nodes();
        if (decision.m_kind == Decision::Play)
            return "play " + std::to_string(decision.m_slot);
        return decision.m_kind == Decision::Draw ? "draw" : "skip";
    }

    CRecordingObserver m_observer;
    CGameState         m_game{&m_observer, TestSeconds};
    std::uint64_t      m_nodes = 0;         // searched by the last Choose
};

TEST_F(TreeSearchTest, EasyCountsAKnightAsSevenPointsAndPlaysTheLowestOfEqualSlots)
{
    // Card 8 converts the middle of Red's line: Red's 9 become 1 + 1 and
    // White gains a lone stone, 8 points, less 7 for the knight: as good as
    // the lone stone of card 18, so the lower slot wins either way round.
    SetUpWhiteToMove(g_redLine, {8, 18, 20, 21, 22});
    EXPECT_EQ(Choose(1), "play 0");
    SetUpWhiteToMove(g_redLine, {18, 8, 20, 21, 22});
    EXPECT_EQ(Choose(1), "play 0");

    // Next to a White stone the converted square is worth 2 more.
    SetUpWhiteToMove({{4, ".W......."}, {3, "RRR......"}}, {18, 8, 20, 21, 22});
    EXPECT_EQ(Choose(1), "play 1");
}

TEST_F(TreeSearchTest, EasyDrawsOnlyWhenTheBonusBeatsTheBestCard)
{
    SetUpWhiteToMove(g_redLine, {18, NoCard, 20, 21, 22});
    EXPECT_EQ(Choose(1), "draw") << "a lone stone gains 1";
    SetUpWhiteToMove(g_besideWhite, {18, NoCard, 20, 21, 22});
    EXPECT_EQ(Choose(1), "play 0");
    EXPECT_EQ(Choose(1, 3), "play 0") << "a draw as good as the card is not taken";
    EXPECT_EQ(Choose(1, 4), "draw");
}

// Skips, knights and a Red stuck are met often enough in the reference test's
// random positions; only how the search gets there is its own.
TEST_F(TreeSearchTest, WhiteDrawsWithoutSearchingWhenRedIsStuck)
{
    SetUpWhiteToMove(g_besideWhite, {18, NoCard, 20, 21, 22}, {11, 12, 13, 14, 15});
    for (int difficulty = 1; difficulty <= 3; ++difficulty)
    {
        EXPECT_EQ(Choose(difficulty), "draw");
        EXPECT_EQ(m_nodes, 0u);
    }
}

} // namespace
