#include <gtest/gtest.h>

#include <random>

#include "ai/TreeSearch.h"
#include "tests/game/TestGame.h"

namespace
{

// White's score minus Red's, counted afresh by the rules.
int FullDifference(CGameState& game, const int board[CellCount])
{
    int red = 0;
    int white = 0;
    game.ComputeScores(board, red, white);
    return white - red;
}

TEST(PlaceStoneTest, ScoreChangeEqualsAFullRescoringForEveryMoveOfRandomBoards)
{
    CRecordingObserver observer;
    CGameState game(&observer, TestSeconds);
    std::mt19937 random(2024);
    for (int boardIndex = 0; boardIndex < 300; ++boardIndex)
    {
        const double density = std::uniform_real_distribution<double>(0.0, 0.95)(random);
        int board[CellCount];
        SearchNode node{};
        for (int cell = 0; cell < CellCount; ++cell)
        {
            const bool stone = std::uniform_real_distribution<double>(0.0, 1.0)(random) < density;
            board[cell] = stone ? static_cast<int>(random() % 2) : EmptyCell;
            node.m_cells[cell] = static_cast<std::uint8_t>(board[cell] == Red ? 1 : board[cell] == White ? 3 : 0);
        }
        const int before = FullDifference(game, board);

        for (int target = 0; target < CellCount; ++target)
        {
            for (PlayerID mover : { Red, White })
            {
                if (board[target] == mover)
                    continue;
                SearchNode moved = node;
                moved.m_side = mover == White;
                moved.m_kingRow = target / BoardSize;
                moved.m_kingCol = target % BoardSize;
                const int change = CTreeSearch::PlaceStone(moved);

                int after[CellCount];
                for (int cell = 0; cell < CellCount; ++cell)
                    after[cell] = cell == target ? mover : board[cell];
                ASSERT_EQ(change, FullDifference(game, after) - before) << "board " << boardIndex << " square " << target;
                for (int cell = 0; cell < CellCount; ++cell)
                {
                    const int expected = after[cell] == Red ? 1 : after[cell] == White ? 3 : 0;
                    ASSERT_EQ(moved.m_cells[cell], expected) << "mark left on square " << cell;
                }
            }
        }
    }
}

} // namespace
