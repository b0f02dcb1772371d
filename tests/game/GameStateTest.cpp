#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/rules/Card.h"
#include "game/rules/GameState.h"
#include "tests/game/TestGame.h"

namespace
{

typedef std::vector<std::string>                 Events;
typedef std::vector<int>                         Cards;
typedef std::vector<std::pair<int, std::string>> Rows;

class GameStateTest : public ::testing::Test
{
protected:
    // Red to move in a two-player game with the king on (6, 4), a Red stone to
    // its right and a White row below it. Red's hand: left 3 (free), right 1
    // (own stone), up 3 (off the board), down 1 (White stone), empty slot.
    void SetUpAroundKing()
    {
        SetRows(m_game, { { 6, ".....R..." }, { 5, "...WWW..." } });
        m_game.m_kingRow = 6;
        m_game.m_kingCol = 4;
        m_game.m_current = Red;
        m_game.m_players[Red].m_knights = 4;
        m_game.m_players[White].m_knights = 4;
        SetHand(m_game, Red, { 22, 2, 16, 4, NoCard });
        SetHand(m_game, White, { 0, 6, 1, 5, 17 });
        m_game.m_deck.m_drawPile = { 10, 12 };
        Settle(m_game);
        m_observer.m_events.clear();
    }

    void ExpectRefusal(const std::string& message, void (*action)(CGameState&))
    {
        const Cards before = WholePosition(m_game);
        m_observer.m_events.clear();
        action(m_game);
        EXPECT_EQ(m_observer.m_events, Events({ "status: " + message }));
        EXPECT_EQ(WholePosition(m_game), before);
    }

    CRecordingObserver m_observer;
    CGameState         m_game{ &m_observer, TestSeconds };
};

TEST_F(GameStateTest, NewGameDealsRedTheLastFiveCardsOfTheShuffleThenWhite)
{
    g_testSeconds = 1;
    m_game.NewGame();
    EXPECT_EQ(m_observer.m_events,
              Events({ "status: ", "knights shown", "scores 0 0", "dealt Red 7 0", "dealt Red 11 1", "dealt Red 9 2",
                       "dealt Red 15 3", "dealt Red 19 4", "dealt White 16 0", "dealt White 3 1", "dealt White 13 2",
                       "dealt White 0 3", "dealt White 20 4", "shaded new game" }));
    EXPECT_EQ(m_game.m_deck.m_drawPile, Cards({ 18, 5, 23, 17, 21, 6, 12, 22, 10, 14, 1, 8, 2, 4 }));
}

// Card 22 lands on a free square; card 4 spends a knight on White's middle
// stone and splits White's row.
TEST_F(GameStateTest, PlayedCardPlacesItsStoneAndAKnightMoveConvertsStoneAndSplitsGroup)
{
    const struct { int slot, card; Events events; } plays[] = {
        { 0, 22, { "status: ", "played Red 0", "turn White", "scores 2 9", "shaded" } },
        { 3, 4, { "status: ", "knight spent Red 3", "played Red 3", "turn White", "scores 2 2", "shaded" } },
    };
    for (const auto& play : plays)
    {
        SetUpAroundKing();
        m_game.PlayCard(Red, play.slot);
        EXPECT_EQ(m_observer.m_events, play.events);
        EXPECT_EQ(m_game.m_deck.m_discardPile.back(), play.card);
    }
}

// A person's refusals in a game of two are each met, with the screen left as
// it was, in the end-to-end two-player run; a refused draw must also leave the
// piles alone, which no screen shows.
TEST_F(GameStateTest, EachRefusalNamesItsReasonAndChangesNothing)
{
    SetUpAroundKing();
    m_game.m_players[Red].m_hand[4] = 23;
    m_game.UpdateMoves();
    ExpectRefusal("You already have 5 cards.", [](CGameState& game) { game.DrawCard(); });

    m_game.SetController(White, Computer);
    m_game.EndTurn();
    ExpectRefusal("It is not your turn to play a card. AI", [](CGameState& game) { game.PlayCard(Red, 0); });
    // The mover's controller is refreshed only by EndTurn, so it still says
    // Computer when a new game gives Red the move.
    m_game.m_current = Red;
    ExpectRefusal("It is not your turn to play a card. AI", [](CGameState& game) { game.PlayCard(Red, 0); });
    ExpectRefusal("It is not your turn to draw.", [](CGameState& game) { game.DrawCard(); });
    ExpectRefusal("It is not your turn to skip.", [](CGameState& game) { game.SkipTurn(); });
}

// Draws and skips leave the last card's marks where they are.
TEST_F(GameStateTest, TheLastMoveIsTheLastCardsUntilANewGame)
{
    SetUpAroundKing();
    EXPECT_FALSE(m_game.m_lastMove.m_made);
    m_game.PlayCard(Red, 0);                // card 22: three squares left, from (6, 4) to (6, 1)
    const KingMove left = m_game.m_lastMove;
    EXPECT_EQ(std::vector<int>({ left.m_made, left.m_mover, left.m_from, left.m_to }),
              std::vector<int>({ true, Red, 58, 55 }));
    m_game.m_players[White].m_hand[4] = NoCard;
    m_game.DrawCard();
    ASSERT_EQ(m_game.m_current, Red);
    EXPECT_EQ(m_game.m_lastMove.m_to, 55);
    EXPECT_EQ(m_game.m_lastMove.m_mover, Red);

    m_game.NewGame();
    EXPECT_FALSE(m_game.m_lastMove.m_made);
}

// Against the computer its turn is queued before the key map changes, and the
// end is announced once though the computer still skips; "2 Players" then
// makes both sides human, even with the computer to move.
TEST_F(GameStateTest, GameEndsWhenNobodyCanActWithTheResultForTheKindOfGame)
{
    const struct { Rows board; std::string twoPlayers, onePlayer; } endings[] = {
        { { { 8, "RR......." }, { 4, "W........" } }, "Red wins.", "You win." },
        { { { 8, "WW......." }, { 4, "R........" } }, "White wins.", "You lose." },
        { { { 8, "W.R......" } }, "The game is a draw, nobody wins.", "The game is a draw, nobody wins." },
    };
    m_game.SetController(White, Computer);
    for (const bool computer : { true, false })
    {
        for (const auto& ending : endings)
        {
            SCOPED_TRACE((computer ? "one player, " : "two players, ") + ending.twoPlayers);
            m_game.NewGame();
            SetUpLastDraw(m_game, ending.board);
            m_observer.m_events.clear();
            m_game.DrawCard();
            Events expected = { "status: ", "dealt Red 15 4", "turn White",
                                "game over: " + (computer ? ending.onePlayer : ending.twoPlayers) +
                                    " Do you want to play another game?",
                                "shaded" };
            if (computer)
                expected.insert(expected.begin() + 2, "computer to move");
            EXPECT_EQ(m_observer.m_events, expected);
            if (!computer)
                continue;
            m_observer.m_events.clear();
            m_game.SkipTurn();
            EXPECT_EQ(m_observer.m_events, Events({ "status: ", "turn Red", "shaded" }));
        }
        m_game.EndTurn();                   // "2 Players" with the computer to move
        m_game.ResetControllers();
    }
}

// A slot outside the hand is the caller's mistake: the check stops the
// program before the hand is read or written out of bounds.
using GameStateDeathTest = GameStateTest;

TEST_F(GameStateDeathTest, ASlotOutsideTheHandStopsTheProgramAtItsCheck)
{
    SetUpAroundKing();
    EXPECT_DEATH(m_game.PlayCard(Red, HandSize), "slot < HandSize");
    EXPECT_DEATH(m_game.PlayCard(Red, -1), "slot >= 0");
    EXPECT_DEATH(m_game.DealCard(White, 3, HandSize), "slot < HandSize");
}

} // namespace
