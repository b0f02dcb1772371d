#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

#include "ai/TreeSearch.h"
#include "game/rules/Card.h"
#include "tests/game/TestGame.h"

namespace
{

// The search against the rules: its score change for a stone against a full
// rescoring, its choices against a slow minimax written straight from the rules
// of the computer's turn, the whole board rescored at every leaf.

CGameState* g_rules = nullptr;              // the test's game; its scoring counts every board afresh

// White's score minus Red's.
int Difference(const int* board)
{
    int red = 0, white = 0;
    g_rules->ComputeScores(board, red, white);
    return white - red;
}

void RandomBoard(std::mt19937& random, int* board, double maxDensity)
{
    const double density = std::uniform_real_distribution<double>(0.0, maxDensity)(random);
    for (int cell = 0; cell < CellCount; ++cell)
    {
        const bool stone = std::uniform_real_distribution<double>(0.0, 1.0)(random) < density;
        board[cell] = stone ? static_cast<int>(random() % 2) : EmptyCell;
    }
}

// Every square of every board, so that a group count running off a side of
// the board, or wrapping onto the next row, shows in the change.
TEST(PlaceStoneTest, ScoreChangeEqualsAFullRescoringForEveryMoveOfRandomBoards)
{
    CRecordingObserver observer;
    CGameState game(&observer, TestSeconds);
    g_rules = &game;
    // The search's marks for a cell: 1 a Red stone, 3 a White one, 0 empty.
    const auto mark = [](int cell) { return static_cast<std::uint8_t>(cell == Red ? 1 : cell == White ? 3 : 0); };
    std::mt19937 random(2024);
    for (int boardIndex = 0; boardIndex < 300; ++boardIndex)
    {
        int board[CellCount];
        RandomBoard(random, board, 0.95);
        SearchNode node{};
        std::transform(board, board + CellCount, node.m_cells, mark);
        const int before = Difference(board);
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
                std::copy(board, board + CellCount, after);
                after[target] = mover;
                ASSERT_EQ(change, Difference(after) - before) << "board " << boardIndex << " square " << target;
                for (int cell = 0; cell < CellCount; ++cell)
                    ASSERT_EQ(moved.m_cells[cell], mark(after[cell])) << "mark left on square " << cell;
            }
    }
}

// Squares off the board count nothing. Every byte of the node around its
// cells holds a Red stone's value too, so that a count straying past either
// end of the cells, or wrapping onto the next row, shows.
TEST(CountAndMarkTest, SquaresOffTheBoardCountNothing)
{
    SearchNode node{};
    node.m_side = true;
    node.m_knights[0] = node.m_knights[1] = RedStone;
    node.m_handMask = RedStone << 8 | RedStone;
    std::fill(std::begin(node.m_cells), std::end(node.m_cells), RedStone);
    const int squares[][2] = {{0, -1}, {1, -1}, {7, BoardSize}, {BoardSize, 0}, {BoardSize, 8}, {-1, 0}};
    for (const auto& square : squares)
        EXPECT_EQ(CTreeSearch::CountAndMark(node, square[0], square[1], RedStone), 0) << square[0] << ", " << square[1];
    EXPECT_EQ(CTreeSearch::CountAndMark(node, 8, 8, RedStone), CellCount);
}

struct Settings
{
    int m_depth;                            // plies; 0 no limit
    int m_knightCost;                       // for White, per knight spent
    int m_drawBonus;                        // for White, per card drawn
};

const Settings g_levels[3] = {{1, -7, 2}, {3, -28, 2}, {0, -49, 4}};   // Easy, Medium, Hard

enum { DrawAction = 5, PassAction = 6 };   // actions 0..4 play the card in that slot

struct Line
{
    int m_board[CellCount];                 // PlayerID or EmptyCell
    int m_king[2];                          // row, column
    int m_knights[2];                       // Red, White
    int m_hand[2][HandSize];                // cards not yet played in this line; drawing adds none
    int m_bonus;                            // knight costs and draw bonuses so far, for White
    int m_mover;                            // PlayerID
};

bool Legal(const Line& line, int player, int card)
{
    if (card == NoCard)
        return false;
    const int row = line.m_king[0] + CardRowStep(card);
    const int column = line.m_king[1] + CardColumnStep(card);
    if (row < 0 || row >= BoardSize || column < 0 || column >= BoardSize)
        return false;
    const int cell = line.m_board[row * BoardSize + column];
    return cell == EmptyCell || (cell != player && line.m_knights[player] > 0);
}

bool HasEmptySlot(const Line& line, int player)
{
    return std::count(line.m_hand[player], line.m_hand[player] + HandSize, NoCard) > 0;
}

int BestFor(const Settings& settings, const Line& line, int plies);

// The value once the side to move in line takes action, with plies left
// before the evaluation (0 for none).
int After(const Settings& settings, Line line, int action, int plies)
{
    const int sign = line.m_mover == White ? 1 : -1;
    if (action < DrawAction)
    {
        int& card = line.m_hand[line.m_mover][action];
        line.m_king[0] += CardRowStep(card);
        line.m_king[1] += CardColumnStep(card);
        card = NoCard;
        int& cell = line.m_board[line.m_king[0] * BoardSize + line.m_king[1]];
        if (cell != EmptyCell)
        {
            line.m_knights[line.m_mover] -= 1;
            line.m_bonus += sign * settings.m_knightCost;
        }
        cell = line.m_mover;
    }
    else if (action == DrawAction)
    {
        line.m_bonus += sign * settings.m_drawBonus;
    }
    if (plies != 0 && --plies == 0)
        return Difference(line.m_board) + line.m_bonus;
    line.m_mover = 1 - line.m_mover;
    return BestFor(settings, line, plies);
}

int BestFor(const Settings& settings, const Line& line, int plies)
{
    const int player = line.m_mover;
    bool found = false;
    int best = 0;
    const auto take = [&](int value) {
        best = !found || (player == White ? value > best : value < best) ? value : best;
        found = true;
    };
    for (int slot = 0; slot < HandSize; ++slot)
        if (Legal(line, player, line.m_hand[player][slot]))
            take(After(settings, line, slot, plies));
    // Below a draw only the reply is looked at.
    if (HasEmptySlot(line, player))
        take(After(settings, line, DrawAction, plies == 0 || plies > 2 ? 2 : plies));
    return found ? best : After(settings, line, PassAction, plies);
}

// searched tells whether any line had to be looked at.
std::string ReferenceChoice(const CGameState& game, const Settings& settings, bool& searched)
{
    searched = false;
    Line line{};
    std::copy(game.m_board, game.m_board + CellCount, line.m_board);
    line.m_king[0] = game.m_kingRow;
    line.m_king[1] = game.m_kingCol;
    for (int player : {Red, White})
    {
        line.m_knights[player] = game.m_players[player].m_knights;
        std::copy(game.m_players[player].m_hand, game.m_players[player].m_hand + HandSize, line.m_hand[player]);
    }
    line.m_mover = White;

    const bool canDraw = HasEmptySlot(line, White);
    const bool redCanAct = HasEmptySlot(line, Red) || std::any_of(line.m_hand[Red], line.m_hand[Red] + HandSize,
                                                                  [&line](int card) { return Legal(line, Red, card); });
    if (canDraw && !redCanAct)
        return "draw";

    int chosen = -1, best = 0;
    for (int slot = 0; slot < HandSize; ++slot)
        if (Legal(line, White, line.m_hand[White][slot]))
            if (const int value = After(settings, line, slot, settings.m_depth); chosen < 0 || value > best)
            {
                chosen = slot;
                best = value;
            }
    searched = chosen >= 0;
    if (chosen < 0)
        return canDraw ? "draw" : "skip";
    if (canDraw && After(settings, line, DrawAction, 1) > best)
        return "draw";
    return "play " + std::to_string(chosen);
}

// A board of random density and a White move with up to five cards in each
// hand, in random slots.
void RandomPosition(std::mt19937& random, CGameState& game)
{
    const int counts[2] = {static_cast<int>(random() % 6), static_cast<int>(random() % 6)};   // White's, Red's
    RandomBoard(random, game.m_board, 0.8);
    game.m_kingRow = static_cast<int>(random() % 9);
    game.m_kingCol = static_cast<int>(random() % 9);
    game.m_current = White;

    int deck[CardCount];
    std::iota(deck, deck + CardCount, 0);
    std::shuffle(deck, deck + CardCount, random);
    int next = 0;
    for (int player : {Red, White})
    {
        PlayerState& state = game.m_players[player];
        state.m_knights = static_cast<int>(random() % 5);
        int slots[HandSize] = {0, 1, 2, 3, 4};
        std::shuffle(slots, slots + HandSize, random);
        for (int i = 0; i < HandSize; ++i)
            state.m_hand[slots[i]] = i < counts[1 - player] ? deck[next++] : NoCard;
    }
    Settle(game);
}

std::string Describe(const Decision& decision)
{
    return decision.m_kind == Decision::Play ? "play " + std::to_string(decision.m_slot)
                                             : decision.m_kind == Decision::Draw ? "draw" : "skip";
}

TEST(ReferenceSearchTest, EveryLevelChoosesAsAPlainMinimax)
{
    const int runs[3][2] = {{3000, 11}, {3000, 12}, {2000, 13}};   // positions and seed per level
    CRecordingObserver observer;
    CGameState game(&observer, TestSeconds);
    g_rules = &game;
    for (int difficulty = 1; difficulty <= 3; ++difficulty)
    {
        SCOPED_TRACE("level " + std::to_string(difficulty));
        const int positions = runs[difficulty - 1][0];
        CTreeSearch search(difficulty);
        std::mt19937 random(static_cast<unsigned>(runs[difficulty - 1][1]));
        int draws = 0, plays = 0;
        for (int i = 0; i < positions; ++i)
        {
            RandomPosition(random, game);
            bool searched = false;
            const std::string expected = ReferenceChoice(game, g_levels[difficulty - 1], searched);
            ASSERT_EQ(Describe(search.ChooseAction(game)), expected) << "position " << i;
            ASSERT_EQ(search.Nodes() > 0, searched) << "position " << i;
            draws += expected == "draw";
            plays += expected.rfind("play", 0) == 0;
        }
        // The random positions must exercise both real choices.
        EXPECT_GT(draws, positions / 20);
        EXPECT_GT(plays, positions / 4);
    }
}

} // namespace
