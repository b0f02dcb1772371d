#include <gtest/gtest.h>

#include <random>

#include "ai/TreeSearch.h"
#include "tests/game/TestGame.h"

namespace
{

// The search's marks for a cell: 1 a Red stone, 3 a White one, 0 empty.
std::uint8_t Mark(int cell)
{
    return static_cast<std::uint8_t>(cell == Red ? 1 : cell == White ? 3 : 0);
}

TEST(PlaceStoneTest, ScoreChangeEqualsAFullRescoringForEveryMoveOfRandomBoards)
{
    CRecordingObserver observer;
    CGameState game(&observer, TestSeconds);
    // White's score minus Red's, counted afresh by the rules.
    const auto difference = [&game](const int* board) {
        int red = 0, white = 0;
        game.ComputeScores(board, red, white);
        return white - red;
    };
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
            node.m_cells[cell] = Mark(board[cell]);
        }
        const int before = difference(board);
        for (int target = 0; target < CellCount; ++target)
            for (PlayerID mover : {Red, White})
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
                ASSERT_EQ(change, difference(after) - before) << "board " << boardIndex << " square " << target;
                for (int cell = 0; cell < CellCount; ++cell)
                    ASSERT_EQ(moved.m_cells[cell], Mark(after[cell])) << "mark left on square " << cell;
            }
    }
}

} // namespace
