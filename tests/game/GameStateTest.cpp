#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/Card.h"
#include "game/GameState.h"
#include "tests/game/TestGame.h"

namespace
{

typedef std::vector<std::string>                 Events;
typedef std::vector<int>                         Cards;
typedef std::vector<std::pair<int, std::string>> Rows;

const std::string g_again = " Do you want to play another game?";

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

    // King in the bottom left corner; every card in both hands and the top of
    // the draw pile leads off the board. Red to move, with one empty slot.
    void SetUpLastDraw(const Rows& rows)
    {
        SetRows(m_game, rows);
        m_game.m_kingRow = 0;
        m_game.m_kingCol = 0;
        m_game.m_current = Red;
        SetHand(m_game, Red, { 3, 4, 5, 6, NoCard });
        SetHand(m_game, White, { 7, 11, 12, 13, 14 });
        m_game.m_deck.m_drawPile = { 19, 15 };
        Settle(m_game);
        m_observer.m_events.clear();
    }

    // The parts of the position an action may change.
    std::string Position() const
    {
        std::string text;
        for (int cell : m_game.m_board)
            text += std::to_string(cell);
        for (const PlayerState& player : m_game.m_players)
        {
            for (int card : player.m_hand)
                text += " " + std::to_string(card);
            text += " k" + std::to_string(player.m_knights) + " s" + std::to_string(player.m_score);
        }
        text += " king " + std::to_string(m_game.m_kingRow) + "," + std::to_string(m_game.m_kingCol);
        text += " current " + std::to_string(m_game.m_current);
        text += " piles " + std::to_string(m_game.m_deck.m_drawPile.size()) + "," +
                std::to_string(m_game.m_deck.m_discardPile.size());
        return text;
    }

    void ExpectRefusal(const std::string& message, void (*action)(CGameState&))
    {
        const std::string before = Position();
        m_observer.m_events.clear();
        action(m_game);
        EXPECT_EQ(m_observer.m_events, Events({ "status: " + message }));
        EXPECT_EQ(Position(), before);
    }

    CRecordingObserver m_observer;
    CGameState         m_game{ &m_observer, TestSeconds };
};

TEST_F(GameStateTest, NewGameDealsRedTheLastFiveCardsOfTheShuffleThenWhite)
{
    g_testSeconds = 1;
    m_game.NewGame();

    EXPECT_EQ(m_observer.m_events,
              Events({ "knights shown", "scores 0 0", "dealt Red 7 0", "dealt Red 11 1", "dealt Red 9 2",
                       "dealt Red 15 3", "dealt Red 19 4", "dealt White 16 0", "dealt White 3 1", "dealt White 13 2",
                       "dealt White 0 3", "dealt White 20 4", "shaded new game" }));
    EXPECT_EQ(m_game.m_deck.m_drawPile, Cards({ 18, 5, 23, 17, 21, 6, 12, 22, 10, 14, 1, 8, 2, 4 }));
    EXPECT_EQ(m_game.m_current, Red);
    EXPECT_EQ(m_game.m_kingRow * 10 + m_game.m_kingCol, 44);
    for (const PlayerState& player : m_game.m_players)
    {
        EXPECT_EQ(player.m_knights, 4);
        EXPECT_EQ(player.m_score, 0);
        for (bool playable : player.m_playable)
            EXPECT_TRUE(playable);
    }
}

TEST_F(GameStateTest, ScoreIsTheSumOfSquaredOrthogonalGroupSizes)
{
    const std::pair<Rows, std::string> cases[] = {
        { { { 4, "....R...." } }, "1 0" },
        { { { 4, "....RR..." } }, "4 0" },
        { { { 5, "...W....." }, { 4, "....W...." } }, "0 2" },
        { { { 8, "R........" }, { 7, "R........" }, { 6, "R........" }, { 0, "........R" } }, "10 0" },
        { { { 4, "..RWR...." }, { 3, "..RWW...." } }, "5 9" },
    };
    for (const auto& [rows, scores] : cases)
    {
        SetRows(m_game, rows);
        int red = -1;
        int white = -1;
        m_game.ComputeScores(m_game.m_board, red, white);
        EXPECT_EQ(std::to_string(red) + " " + std::to_string(white), scores) << rows[0].second;
    }
}

TEST_F(GameStateTest, CardIsPlayableOnAFreeSquareOrWithAKnightOnAnOpponentsStone)
{
    SetUpAroundKing();
    const bool* red = m_game.m_players[Red].m_playable;
    const bool* white = m_game.m_players[White].m_playable;
    EXPECT_EQ(std::vector<bool>(red, red + 5), std::vector<bool>({ true, false, false, true, true }));
    // White: free, free, free, own stone, off the board.
    EXPECT_EQ(std::vector<bool>(white, white + 5), std::vector<bool>({ true, true, true, false, false }));

    m_game.m_players[Red].m_knights = 0;
    m_game.UpdateMoves();
    EXPECT_EQ(std::vector<bool>(red, red + 5), std::vector<bool>({ true, false, false, false, true }));
    EXPECT_EQ(m_game.m_kingRow * 10 + m_game.m_kingCol, 64);
}

TEST_F(GameStateTest, PlayingACardMovesTheKingPlacesTheStoneAndHandsOverTheMove)
{
    SetUpAroundKing();
    m_game.PlayCard(Red, 0);

    EXPECT_EQ(m_observer.m_events, Events({ "status: ", "played Red 0", "turn White", "scores 2 9", "shaded" }));
    EXPECT_EQ(m_game.m_kingRow * 10 + m_game.m_kingCol, 61);
    EXPECT_EQ(m_game.m_board[6 * 9 + 1], Red);
    EXPECT_EQ(m_game.m_players[Red].m_hand[0], NoCard);
    EXPECT_EQ(m_game.m_deck.m_discardPile, Cards({ 22 }));
    EXPECT_EQ(m_game.m_current, White);
}

TEST_F(GameStateTest, KnightMoveConvertsStoneAndSplitsGroup)
{
    SetUpAroundKing();
    m_game.PlayCard(Red, 3);

    EXPECT_EQ(m_observer.m_events,
              Events({ "status: ", "knight spent Red 3", "played Red 3", "turn White", "scores 2 2", "shaded" }));
    EXPECT_EQ(m_game.m_board[5 * 9 + 4], Red);
    EXPECT_EQ(m_game.m_players[Red].m_knights, 3);
}

TEST_F(GameStateTest, DrawFillsTheLowestEmptySlotFromTheTopOfThePile)
{
    SetUpAroundKing();
    m_game.m_players[Red].m_hand[1] = NoCard;
    m_game.DrawCard();

    EXPECT_EQ(m_observer.m_events, Events({ "status: ", "dealt Red 12 1", "turn White", "shaded" }));
    EXPECT_EQ(m_game.m_players[Red].m_hand[4], NoCard);
    EXPECT_EQ(m_game.m_deck.m_drawPile, Cards({ 10 }));
}

TEST_F(GameStateTest, SkipIsAllowedWithFiveUnplayableCards)
{
    SetUpLastDraw({});
    m_game.m_players[Red].m_hand[4] = 23;
    m_game.m_players[White].m_hand[0] = 0;
    m_game.UpdateMoves();
    m_observer.m_events.clear();
    m_game.SkipTurn();

    EXPECT_EQ(m_observer.m_events, Events({ "status: ", "turn White", "shaded" }));
}

TEST_F(GameStateTest, EachRefusalNamesItsReasonAndChangesNothing)
{
    SetUpAroundKing();
    ExpectRefusal("This move (3) is not possible, please do something else.",
                  [](CGameState& game) { game.PlayCard(Red, 2); });
    ExpectRefusal("That slot does not contain a card.", [](CGameState& game) { game.PlayCard(Red, 4); });
    ExpectRefusal("It is not your turn. Wrong player", [](CGameState& game) { game.PlayCard(White, 0); });
    ExpectRefusal("Skipping a turn is only allowed if there are NO possible moves.",
                  [](CGameState& game) { game.SkipTurn(); });

    m_game.m_players[Red].m_hand[4] = 23;
    m_game.UpdateMoves();
    ExpectRefusal("You already have 5 cards.", [](CGameState& game) { game.DrawCard(); });
}

TEST_F(GameStateTest, RedMayNotActWhileTheComputerHasTheMove)
{
    SetUpAroundKing();
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

TEST_F(GameStateTest, MoveToTheComputerQueuesItsTurnBeforeTheKeyMapChanges)
{
    SetUpAroundKing();
    m_game.SetController(White, Computer);
    m_game.PlayCard(Red, 0);
    EXPECT_EQ(m_observer.m_events,
              Events({ "status: ", "played Red 0", "computer to move", "turn White", "scores 2 9", "shaded" }));
}

TEST_F(GameStateTest, GameEndsWhenNobodyCanActWithTheResultForTheKindOfGame)
{
    const Rows boards[] = { { { 8, "RR......." }, { 4, "W........" } },
                            { { 8, "WW......." }, { 4, "R........" } },
                            { { 8, "W.R......" } } };
    const char* const twoPlayers[] = { "Red wins.", "White wins.", "The game is a draw, nobody wins." };
    const char* const onePlayer[] = { "You win.", "You lose.", "The game is a draw, nobody wins." };
    for (int i = 0; i < 3; ++i)
    {
        m_game.NewGame();
        SetUpLastDraw(boards[i]);
        m_game.DrawCard();
        EXPECT_EQ(m_observer.m_events, Events({ "status: ", "dealt Red 15 4", "turn White",
                                                "game over: " + std::string(twoPlayers[i]) + g_again, "shaded" }));
    }
    m_game.SetController(White, Computer);
    for (int i = 0; i < 3; ++i)
    {
        m_game.NewGame();
        SetUpLastDraw(boards[i]);
        m_game.DrawCard();
        ASSERT_EQ(m_observer.m_events.size(), 6u);
        EXPECT_EQ(m_observer.m_events[4], "game over: " + std::string(onePlayer[i]) + g_again);
        m_game.SkipTurn();
    }
}

TEST_F(GameStateTest, ComputerGameEndIsAnnouncedOnceThoughTheComputerStillSkips)
{
    m_game.SetController(White, Computer);
    SetUpLastDraw({});
    m_game.DrawCard();
    EXPECT_EQ(m_observer.m_events, Events({ "status: ", "dealt Red 15 4", "computer to move", "turn White",
                                            "game over: The game is a draw, nobody wins." + g_again, "shaded" }));

    m_observer.m_events.clear();
    m_game.SkipTurn();
    EXPECT_EQ(m_observer.m_events, Events({ "status: ", "turn Red", "shaded" }));

    m_game.NewGame();
    SetUpLastDraw({});
    m_game.DrawCard();
    EXPECT_EQ(m_observer.m_events[4], "game over: The game is a draw, nobody wins." + g_again);
}

TEST_F(GameStateTest, TwoPlayersAfterAComputerGameMakesBothSidesHuman)
{
    m_game.SetController(White, Computer);
    SetUpAroundKing();
    m_game.EndTurn();
    m_game.ResetControllers();
    EXPECT_EQ(m_game.m_controller[White], Human);
    EXPECT_EQ(m_game.m_currentController, Human);

    SetUpLastDraw({ { 8, "RR......." }, { 4, "W........" } });
    m_game.DrawCard();
    EXPECT_EQ(m_observer.m_events, Events({ "status: ", "dealt Red 15 4", "turn White",
                                            "game over: Red wins." + g_again, "shaded" }));
}

TEST_F(GameStateTest, MoveKingFollowsTheCardsDirectionAndDistance)
{
    const int cards[] = { 0, 9, 18, 3, 12, 21, 6, 15, NoCard };
    const int squares[] = { 54, 66, 47, 35, 24, 11, 43, 62, 44 };     // row * 10 + column
    for (int i = 0; i < 9; ++i)
    {
        m_game.m_kingRow = 4;
        m_game.m_kingCol = 4;
        m_game.MoveKing(cards[i]);
        EXPECT_EQ(m_game.m_kingRow * 10 + m_game.m_kingCol, squares[i]) << "card " << cards[i];
    }
}

} // namespace
