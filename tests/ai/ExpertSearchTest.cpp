#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "ai/ExpertPosition.h"
#include "ai/ExpertRandom.h"
#include "ai/ExpertSearch.h"
#include "game/rules/Card.h"
#include "tests/game/TestGame.h"

namespace
{

// The Expert against the rules: its imagined game follows the real one move
// for move, its actions are the rules' own, and its choice comes from the
// seed and what a player sees, never from the draw pile's order.

std::vector<Decision> LegalDecisions(const CGameState& game)
{
    const PlayerState& mover = game.m_players[game.m_current];
    std::vector<Decision> legal;
    bool canDraw = false;
    for (int slot = 0; slot < HandSize; ++slot)
    {
        canDraw = canDraw || mover.m_hand[slot] == NoCard;
        if (mover.m_hand[slot] != NoCard && mover.m_playable[slot])
            legal.push_back(Decision{ Decision::Play, slot });
    }
    if (canDraw)
        legal.push_back(Decision{ Decision::Draw, -1 });
    if (legal.empty())
        legal.push_back(Decision{ Decision::Skip, -1 });
    return legal;
}

int MoveOf(const Decision& decision)
{
    return decision.m_kind == Decision::Play ? decision.m_slot : decision.m_kind == Decision::Draw ? ExpertDraw : ExpertSkip;
}

void Apply(CGameState& game, const Decision& decision)
{
    if (decision.m_kind == Decision::Play)
        game.PlayCard(game.m_current, decision.m_slot);
    else if (decision.m_kind == Decision::Draw)
        game.DrawCard();
    else
        game.SkipTurn();
}

// Random legal moves for both sides until the game ends, the imagined game
// set up afresh before every move, its pile's top made the real next card.
// A long game runs through the refills of the draw pile.
TEST(ExpertPositionTest, FollowsTheRulesMoveForMoveThroughWholeGames)
{
    CRecordingObserver observer;
    std::mt19937 random(11);
    for (unsigned seed = 1; seed <= 30; ++seed)
    {
        g_testSeconds = seed;
        CGameState game(&observer, TestSeconds);
        game.NewGame();
        CExpertRandom stream(seed);
        for (int move = 0; !game.IsOver(); ++move)
        {
            ExpertPosition position;
            position.SetUp(game);
            ASSERT_FALSE(position.m_over);
            std::int8_t* top = std::find(position.m_pile, position.m_pile + position.m_pileSize, game.m_deck.m_drawPile.back());
            ASSERT_NE(top, position.m_pile + position.m_pileSize) << "the next card is not among the unseen";
            std::swap(*top, position.m_pile[position.m_pileSize - 1]);

            const std::vector<Decision> legal = LegalDecisions(game);
            std::uint8_t moves[ExpertMoves];
            const int count = position.LegalMoves(moves);
            ASSERT_EQ(count, static_cast<int>(legal.size())) << "seed " << seed << " move " << move;
            for (int index = 0; index < count; ++index)
                ASSERT_EQ(moves[index], MoveOf(legal[index])) << "seed " << seed << " move " << move;

            const Decision chosen = legal[random() % legal.size()];
            Apply(game, chosen);
            position.Apply(MoveOf(chosen), stream);
            const std::string where = "seed " + std::to_string(seed) + " move " + std::to_string(move);
            ASSERT_EQ(position.Difference(), game.m_players[White].m_score - game.m_players[Red].m_score) << where;
            ASSERT_EQ(position.m_over, game.IsOver()) << where;
            ASSERT_EQ(position.Mover(), game.m_current) << where;
            ASSERT_EQ(position.m_node.m_kingRow * BoardSize + position.m_node.m_kingCol,
                      game.m_kingRow * BoardSize + game.m_kingCol) << where;
            for (PlayerID player : { Red, White })
            {
                ASSERT_EQ(position.m_node.m_knights[player], game.m_players[player].m_knights) << where;
                for (int slot = 0; slot < HandSize; ++slot)
                    ASSERT_EQ(position.m_hands[player][slot], game.m_players[player].m_hand[slot]) << where;
            }
            for (int cell = 0; cell < CellCount; ++cell)
                ASSERT_EQ(position.m_node.m_cells[cell], game.m_board[cell] == Red ? RedStone : game.m_board[cell] == White ? WhiteStone : NoStone) << where;
            ASSERT_EQ(std::multiset<int>(position.m_pile, position.m_pile + position.m_pileSize),
                      std::multiset<int>(game.m_deck.m_drawPile.begin(), game.m_deck.m_drawPile.end())) << where;
        }
    }
}

// The card that moves the king by these steps.
int CardMoving(int rows, int columns)
{
    for (int card = 0; card < CardCount; ++card)
    {
        if (CardRowStep(card) == rows && CardColumnStep(card) == columns)
            return card;
    }
    return NoCard;
}

// White to move on a board of the given rows, with the king and White's hand
// as given; Red holds five cards that do not matter here.
ExpertPosition WhiteToMove(const std::vector<std::pair<int, std::string>>& rows, int kingRow, int kingColumn,
                           const std::vector<int>& hand)
{
    CRecordingObserver observer;
    CGameState game(&observer, TestSeconds);
    game.NewGame();
    SetRows(game, rows);
    game.m_kingRow = kingRow;
    game.m_kingCol = kingColumn;
    game.m_current = White;
    SetHand(game, White, hand);
    game.UpdateMoves();
    ExpertPosition position;
    position.SetUp(game);
    return position;
}

// How often each move is the playouts' choice, over streams from many seeds.
std::map<int, int> PlayoutChoices(const ExpertPosition& position)
{
    std::uint8_t moves[ExpertMoves];
    const int count = position.LegalMoves(moves);
    std::map<int, int> chosen;
    for (std::uint64_t seed = 1; seed <= 200; ++seed)
    {
        CExpertRandom random(seed);
        ++chosen[position.PlayoutMove(moves, count, random)];
    }
    return chosen;
}

// Slot 0 joins two White stones; slot 1 lands alone; slot 2 takes a Red
// stone beside one White stone; slot 3 is empty, so drawing is a move too.
TEST(ExpertPlayoutTest, PlaysTheCardThatJoinsMostOfItsStonesOverDrawingAndKnights)
{
    const ExpertPosition position = WhiteToMove({ { 3, "...WR...." }, { 5, "......W.." }, { 6, ".....W..." } },
                                                4, 4, { CardMoving(1, 1), CardMoving(-3, 0), CardMoving(-1, 0), NoCard, CardMoving(3, 3) });
    EXPECT_EQ(PlayoutChoices(position), (std::map<int, int>{ { 0, 200 } }));
}

// The king in a corner: the cards pointing off the board cannot be played,
// the two that can both land alone, and no slot is free for a draw.
TEST(ExpertPlayoutTest, ChoosesAmongEqualMovesAtRandom)
{
    const ExpertPosition position = WhiteToMove({}, 0, 0,
                                                { CardMoving(-1, 0), CardMoving(2, 0), CardMoving(0, -2), CardMoving(0, 1), CardMoving(-1, -1) });
    const std::map<int, int> chosen = PlayoutChoices(position);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_GT(chosen.at(1), 60);
    EXPECT_GT(chosen.at(3), 60);
}

// Lone stones lose to a draw, a knight spent with no stone of the mover's
// beside it loses to both.
TEST(ExpertPlayoutTest, DrawsRatherThanPlaceALoneStoneOrSpendAKnight)
{
    const ExpertPosition position = WhiteToMove({ { 5, "....R...." } }, 4, 4,
                                                { CardMoving(1, 0), CardMoving(-2, 0), NoCard, CardMoving(0, 2), CardMoving(0, -3) });
    EXPECT_EQ(PlayoutChoices(position), (std::map<int, int>{ { ExpertDraw, 200 } }));
}

// Positions met in games of the Expert against random legal moves; each of
// the Expert's actions is checked by the rules on the way.
class ExpertSearchTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        g_positions = new std::vector<CGameState>();
        CExpertSearch expert(5);
        std::mt19937 random(3);
        for (unsigned seed = 100; seed < 102; ++seed)
        {
            g_testSeconds = seed;
            CGameState game(&g_observer, TestSeconds);
            game.NewGame();
            while (!game.IsOver())
            {
                const std::vector<Decision> legal = LegalDecisions(game);
                if (game.m_current == Red)
                {
                    Apply(game, legal[random() % legal.size()]);
                    continue;
                }
                g_positions->push_back(game);
                g_observer.m_events.clear();
                Apply(game, expert.ChooseAction(game));
                g_refusals += static_cast<int>(g_observer.m_events.front() != "status: ");
            }
        }
    }

    static void TearDownTestSuite()
    {
        delete g_positions;
        g_positions = nullptr;
    }

    static CRecordingObserver       g_observer;         // the rules' answers to the Expert's actions
    static std::vector<CGameState>* g_positions;        // White to move in each
    static int                      g_refusals;         // actions of the Expert the rules refused
};

CRecordingObserver       ExpertSearchTest::g_observer;
std::vector<CGameState>* ExpertSearchTest::g_positions = nullptr;
int                      ExpertSearchTest::g_refusals = 0;

TEST_F(ExpertSearchTest, EveryActionIsOneTheRulesAccept)
{
    EXPECT_GT(g_positions->size(), 40u);
    EXPECT_EQ(g_refusals, 0);
}

TEST_F(ExpertSearchTest, TwoSearchesFromOneSeedDecideAlike)
{
    CExpertSearch first(9);
    CExpertSearch second(9);
    for (std::size_t index = 0; index < g_positions->size(); index += 3)
    {
        const Decision one = first.ChooseAction((*g_positions)[index]);
        const Decision other = second.ChooseAction((*g_positions)[index]);
        EXPECT_EQ(MoveOf(one), MoveOf(other)) << "position " << index;
    }
}

TEST_F(ExpertSearchTest, TheDrawPileOrderDoesNotChangeTheDecision)
{
    std::mt19937 random(17);
    for (std::size_t index = 0; index < g_positions->size(); index += 3)
    {
        CGameState reordered = (*g_positions)[index];
        std::shuffle(reordered.m_deck.m_drawPile.begin(), reordered.m_deck.m_drawPile.end(), random);
        const Decision asDealt = CExpertSearch(4).ChooseAction((*g_positions)[index]);
        EXPECT_EQ(MoveOf(CExpertSearch(4).ChooseAction(reordered)), MoveOf(asDealt)) << "position " << index;
    }
}

} // namespace
