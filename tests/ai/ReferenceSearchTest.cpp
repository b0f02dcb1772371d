#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "ai/TreeSearch.h"
#include "game/Card.h"
#include "tests/game/TestGame.h"

namespace
{

// A slow minimax written straight from the rules of the computer's turn: the
// whole board rescored at every leaf, hands as card lists, nothing shared
// with the search under test.

struct Settings
{
    int m_depth;                            // plies; 0 no limit
    int m_knightCost;
    int m_drawBonus;
};

Settings SettingsFor(int difficulty)
{
    if (difficulty == 1)
        return Settings{ 1, -7, 2 };
    if (difficulty == 2)
        return Settings{ 3, -28, 2 };
    return Settings{ 0, -49, 4 };
}

struct Line
{
    int  m_board[81];                       // PlayerID or EmptyCell
    int  m_king[2];                         // row, column
    int  m_knights[2];                      // Red, White
    int  m_hand[2][5];                      // cards not yet played in this line; drawing adds none
    int  m_bonus;                           // knight costs and draw bonuses so far, for White
    bool m_whiteToMove;
};

enum Action
{
    PlaySlot0 = 0,
    DrawAction = 5,
    PassAction = 6
};

int GroupSize(const int* board, bool* seen, int row, int column, int colour)
{
    if (row < 0 || row > 8 || column < 0 || column > 8)
        return 0;
    const int square = row * 9 + column;
    if (seen[square] || board[square] != colour)
        return 0;
    seen[square] = true;
    return 1 + GroupSize(board, seen, row + 1, column, colour) + GroupSize(board, seen, row - 1, column, colour) +
           GroupSize(board, seen, row, column + 1, colour) + GroupSize(board, seen, row, column - 1, colour);
}

int Score(const int* board, int colour)
{
    bool seen[81] = {};
    int score = 0;
    for (int square = 0; square < 81; ++square)
    {
        const int size = GroupSize(board, seen, square / 9, square % 9, colour);
        score += size * size;
    }
    return score;
}

bool Legal(const Line& line, int player, int card)
{
    if (card == NoCard)
        return false;
    const int row = line.m_king[0] + CardRowStep(card);
    const int column = line.m_king[1] + CardColumnStep(card);
    if (row < 0 || row > 8 || column < 0 || column > 8)
        return false;
    const int cell = line.m_board[row * 9 + column];
    if (cell == EmptyCell)
        return true;
    return cell != player && line.m_knights[player] > 0;
}

bool HasEmptySlot(const Line& line, int player)
{
    for (int card : line.m_hand[player])
    {
        if (card == NoCard)
            return true;
    }
    return false;
}

int BestFor(const Settings& settings, const Line& line, int plies);

// The value once the side to move in line takes action, with plies left
// before the evaluation (0 for none).
int After(const Settings& settings, Line line, int action, int plies)
{
    const int mover = line.m_whiteToMove ? White : Red;
    const int sign = mover == White ? 1 : -1;
    if (action < DrawAction)
    {
        const int card = line.m_hand[mover][action];
        line.m_king[0] += CardRowStep(card);
        line.m_king[1] += CardColumnStep(card);
        int& cell = line.m_board[line.m_king[0] * 9 + line.m_king[1]];
        if (cell != EmptyCell)
        {
            line.m_knights[mover] -= 1;
            line.m_bonus += sign * settings.m_knightCost;
        }
        cell = mover;
        line.m_hand[mover][action] = NoCard;
    }
    else if (action == DrawAction)
    {
        line.m_bonus += sign * settings.m_drawBonus;
    }
    if (plies != 0)
    {
        plies -= 1;
        if (plies == 0)
            return Score(line.m_board, White) - Score(line.m_board, Red) + line.m_bonus;
    }
    line.m_whiteToMove = !line.m_whiteToMove;
    return BestFor(settings, line, plies);
}

int BestFor(const Settings& settings, const Line& line, int plies)
{
    const int player = line.m_whiteToMove ? White : Red;
    bool found = false;
    int best = 0;
    for (int slot = 0; slot < 5; ++slot)
    {
        if (!Legal(line, player, line.m_hand[player][slot]))
            continue;
        const int value = After(settings, line, slot, plies);
        const bool better = player == White ? value > best : value < best;
        if (!found || better)
            best = value;
        found = true;
    }
    if (HasEmptySlot(line, player))
    {
        // Below a draw only the reply is looked at.
        const int drawPlies = plies == 0 || plies > 2 ? 2 : plies;
        const int value = After(settings, line, DrawAction, drawPlies);
        const bool better = player == White ? value > best : value < best;
        if (!found || better)
            return value;
    }
    if (found)
        return best;
    return After(settings, line, PassAction, plies);
}

Decision ReferenceChoice(const CGameState& game, int difficulty)
{
    const Settings settings = SettingsFor(difficulty);
    Line line;
    for (int square = 0; square < 81; ++square)
        line.m_board[square] = game.m_board[square];
    line.m_king[0] = game.m_kingRow;
    line.m_king[1] = game.m_kingCol;
    for (int player = 0; player < 2; ++player)
    {
        line.m_knights[player] = game.m_players[player].m_knights;
        for (int slot = 0; slot < 5; ++slot)
            line.m_hand[player][slot] = game.m_players[player].m_hand[slot];
    }
    line.m_bonus = 0;
    line.m_whiteToMove = true;

    const bool canDraw = HasEmptySlot(line, White);
    bool redCanAct = HasEmptySlot(line, Red);
    for (int card : line.m_hand[Red])
        redCanAct = redCanAct || Legal(line, Red, card);
    if (canDraw && !redCanAct)
        return Decision{ Decision::Draw, -1 };

    int chosen = -1;
    int best = 0;
    for (int slot = 0; slot < 5; ++slot)
    {
        if (!Legal(line, White, line.m_hand[White][slot]))
            continue;
        const int value = After(settings, line, slot, settings.m_depth);
        if (chosen < 0 || value > best)
        {
            chosen = slot;
            best = value;
        }
    }
    if (chosen < 0)
        return Decision{ canDraw ? Decision::Draw : Decision::Skip, -1 };
    if (canDraw && After(settings, line, DrawAction, 1) > best)
        return Decision{ Decision::Draw, -1 };
    return Decision{ Decision::Play, chosen };
}

// A board of random density and a White move with the given number of cards
// in each hand, in random slots.
void RandomPosition(std::mt19937& random, int whiteCards, int redCards, CGameState& game)
{
    const double density = std::uniform_real_distribution<double>(0.0, 0.8)(random);
    for (int& cell : game.m_board)
    {
        const bool stone = std::uniform_real_distribution<double>(0.0, 1.0)(random) < density;
        cell = stone ? static_cast<int>(random() % 2) : EmptyCell;
    }
    game.m_kingRow = static_cast<int>(random() % 9);
    game.m_kingCol = static_cast<int>(random() % 9);
    game.m_current = White;

    int deck[CardCount];
    for (int card = 0; card < CardCount; ++card)
        deck[card] = card;
    std::shuffle(deck, deck + CardCount, random);
    int next = 0;
    const int counts[2] = { redCards, whiteCards };
    for (int player = 0; player < 2; ++player)
    {
        PlayerState& state = game.m_players[player];
        state.m_knights = static_cast<int>(random() % 5);
        int slots[5] = { 0, 1, 2, 3, 4 };
        std::shuffle(slots, slots + 5, random);
        for (int i = 0; i < 5; ++i)
            state.m_hand[slots[i]] = i < counts[player] ? deck[next++] : NoCard;
    }
    Settle(game);
}

std::string Describe(const Decision& decision)
{
    if (decision.m_kind == Decision::Play)
        return "play " + std::to_string(decision.m_slot);
    return decision.m_kind == Decision::Draw ? "draw" : "skip";
}

void ExpectSameChoices(int difficulty, int positions, unsigned seed)
{
    CRecordingObserver observer;
    CGameState game(&observer, TestSeconds);
    CTreeSearch search(difficulty);
    std::mt19937 random(seed);
    int draws = 0;
    int plays = 0;
    for (int i = 0; i < positions; ++i)
    {
        const int whiteCards = static_cast<int>(random() % 6);
        const int redCards = static_cast<int>(random() % 6);
        RandomPosition(random, whiteCards, redCards, game);
        const Decision expected = ReferenceChoice(game, difficulty);
        const Decision actual = search.ChooseAction(game);
        ASSERT_EQ(Describe(actual), Describe(expected)) << "position " << i << " at level " << difficulty;
        draws += expected.m_kind == Decision::Draw;
        plays += expected.m_kind == Decision::Play;
    }
    // The random positions must exercise both real choices.
    EXPECT_GT(draws, positions / 20);
    EXPECT_GT(plays, positions / 4);
}

TEST(ReferenceSearchTest, EasyChoosesAsAPlainMinimax)
{
    ExpectSameChoices(1, 3000, 11);
}

TEST(ReferenceSearchTest, MediumChoosesAsAPlainMinimax)
{
    ExpectSameChoices(2, 3000, 12);
}

TEST(ReferenceSearchTest, HardChoosesAsAPlainMinimax)
{
    ExpectSameChoices(3, 2000, 13);
}

} // namespace
