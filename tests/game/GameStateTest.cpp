#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/Card.h"
#include "game/GameState.h"
#include "tests/game/TestGame.h"

namespace
{

typedef std::vector<std::string> Events;
typedef std::vector<int>         Cards;

const std::vector<std::string> g_emptyBoard = { ".........", ".........", ".........", ".........", ".........",
                                                ".........", ".........", ".........", "........." };

// King on row 6, column 4, with a Red stone to its right and a White row below it.
const std::vector<std::string> g_aroundKing = { ".........", ".........", ".....R...", "...WWW...", ".........",
                                                ".........", ".........", ".........", "........." };

class GameStateTest : public ::testing::Test
{
protected:
    // Red to move in a two-player game, hand: left 3 (free), right 1 (own
    // stone), up 3 (off the board), down 1 (White stone), empty slot.
    void SetUpAroundKing()
    {
        SetBoard(m_game, g_aroundKing);
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
    void SetUpLastDraw(const std::vector<std::string>& rows)
    {
        SetBoard(m_game, rows);
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
        text += " pile " + std::to_string(m_game.m_deck.m_drawPile.size());
        text += " discard " + std::to_string(m_game.m_deck.m_discardPile.size());
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
    EXPECT_TRUE(m_game.m_deck.m_discardPile.empty());
    EXPECT_EQ(m_game.m_current, Red);
    EXPECT_EQ(m_game.m_kingRow, 4);
    EXPECT_EQ(m_game.m_kingCol, 4);
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
    struct Case
    {
        std::vector<std::string> m_rows;
        int                      m_red;
        int                      m_white;
    };
    const Case cases[] = {
        { { ".........", ".........", ".........", ".........", "....R....", ".........", ".........", ".........",
            "........." },
          1, 0 },
        { { ".........", ".........", ".........", ".........", "....RR...", ".........", ".........", ".........",
            "........." },
          4, 0 },
        { { ".........", ".........", ".........", "...W.....", "....W....", ".........", ".........", ".........",
            "........." },
          0, 2 },
        { { "R........", "R........", "R........", ".........", ".........", ".........", ".........", ".........",
            "........R" },
          10, 0 },
        { { ".........", ".........", ".........", ".........", "..RWR....", "..RWW....", ".........", ".........",
            "........." },
          5, 9 },
    };
    for (const Case& c : cases)
    {
        SetBoard(m_game, c.m_rows);
        int red = -1;
        int white = -1;
        m_game.ComputeScores(m_game.m_board, red, white);
        EXPECT_EQ(red, c.m_red) << c.m_rows[4];
        EXPECT_EQ(white, c.m_white) << c.m_rows[4];
    }
}

TEST_F(GameStateTest, CardIsPlayableOnAFreeSquareOrWithAKnightOnAnOpponentsStone)
{
    SetUpAroundKing();
    const bool* red = m_game.m_players[Red].m_playable;
    EXPECT_TRUE(red[0]);                    // free square
    EXPECT_FALSE(red[1]);                   // Red's own stone
    EXPECT_FALSE(red[2]);                   // off the board
    EXPECT_TRUE(red[3]);                    // White's stone, knights left
    EXPECT_TRUE(red[4]);                    // empty slot: a draw is possible

    m_game.m_players[Red].m_knights = 0;
    m_game.UpdateMoves();
    EXPECT_TRUE(red[0]);
    EXPECT_FALSE(red[1]);
    EXPECT_FALSE(red[2]);
    EXPECT_FALSE(red[3]);
    EXPECT_TRUE(red[4]);
    EXPECT_EQ(m_game.m_kingRow, 6);
    EXPECT_EQ(m_game.m_kingCol, 4);
}

TEST_F(GameStateTest, OwnStoneIsNeverPlayableEvenWithKnights)
{
    SetUpAroundKing();
    const bool* white = m_game.m_players[White].m_playable;
    EXPECT_TRUE(white[0]);                  // up 1: free
    EXPECT_TRUE(white[1]);                  // left 1: free
    EXPECT_TRUE(white[2]);                  // up and right 1: free
    EXPECT_FALSE(white[3]);                 // down and left 1: White's own stone
    EXPECT_FALSE(white[4]);                 // up 3 and right 3: off the board
}

TEST_F(GameStateTest, PlayingACardMovesTheKingPlacesTheStoneAndHandsOverTheMove)
{
    SetUpAroundKing();
    m_game.PlayCard(Red, 0);

    EXPECT_EQ(m_observer.m_events, Events({ "status: ", "played Red 0", "turn White", "scores 2 9", "shaded" }));
    EXPECT_EQ(m_game.m_kingRow, 6);
    EXPECT_EQ(m_game.m_kingCol, 1);
    EXPECT_EQ(m_game.m_board[6 * 9 + 1], Red);
    EXPECT_EQ(m_game.m_players[Red].m_hand[0], NoCard);
    EXPECT_EQ(m_game.m_players[Red].m_knights, 4);
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
    EXPECT_EQ(m_game.m_players[White].m_knights, 4);
}

TEST_F(GameStateTest, DrawFillsTheLowestEmptySlotFromTheTopOfThePile)
{
    SetUpAroundKing();
    m_game.m_players[Red].m_hand[1] = NoCard;
    m_game.DrawCard();

    EXPECT_EQ(m_observer.m_events, Events({ "status: ", "dealt Red 12 1", "turn White", "shaded" }));
    EXPECT_EQ(m_game.m_players[Red].m_hand[1], 12);
    EXPECT_EQ(m_game.m_players[Red].m_hand[4], NoCard);
    EXPECT_EQ(m_game.m_deck.m_drawPile, Cards({ 10 }));
    EXPECT_EQ(m_game.m_current, White);
}

TEST_F(GameStateTest, SkipIsAllowedWithFiveUnplayableCards)
{
    SetUpLastDraw(g_emptyBoard);
    m_game.m_players[Red].m_hand[4] = 23;
    m_game.m_players[White].m_hand[0] = 0;
    m_game.UpdateMoves();
    m_observer.m_events.clear();
    m_game.SkipTurn();

    EXPECT_EQ(m_observer.m_events, Events({ "status: ", "turn White", "shaded" }));
    EXPECT_EQ(m_game.m_current, White);
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

    m_game.m_current = White;
    ExpectRefusal("It is not your turn. Wrong player", [](CGameState& game) { game.PlayCard(Red, 0); });
}

TEST_F(GameStateTest, RedMayNotActWhileTheComputerHasTheMove)
{
    SetUpAroundKing();
    m_game.SetController(White, Computer);
    m_game.EndTurn();
    m_observer.m_events.clear();
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
    EXPECT_EQ(m_game.m_currentController, Computer);
}

TEST_F(GameStateTest, TwoPlayerGameEndsWithTheWinnerByColour)
{
    struct Case
    {
        std::vector<std::string> m_rows;
        std::string              m_question;
    };
    const Case cases[] = {
        { { "RR.......", ".........", ".........", ".........", "W........", ".........", ".........", ".........",
            "........." },
          "Red wins. Do you want to play another game?" },
        { { "WW.......", ".........", ".........", ".........", "R........", ".........", ".........", ".........",
            "........." },
          "White wins. Do you want to play another game?" },
        { { "W.R......", ".........", ".........", ".........", ".........", ".........", ".........", ".........",
            "........." },
          "The game is a draw, nobody wins. Do you want to play another game?" },
    };
    for (const Case& c : cases)
    {
        m_game.NewGame();
        SetUpLastDraw(c.m_rows);
        m_game.DrawCard();
        EXPECT_EQ(m_observer.m_events,
                  Events({ "status: ", "dealt Red 15 4", "turn White", "game over: " + c.m_question, "shaded" }));
    }
}

TEST_F(GameStateTest, GameAgainstTheComputerEndsWithYouWinOrYouLose)
{
    const std::vector<std::string> boards[] = {
        { "RR.......", ".........", ".........", ".........", "W........", ".........", ".........", ".........",
          "........." },
        { "WW.......", ".........", ".........", ".........", "R........", ".........", ".........", ".........",
          "........." },
        { "W.R......", ".........", ".........", ".........", ".........", ".........", ".........", ".........",
          "........." },
    };
    const char* const results[] = { "You win.", "You lose.", "The game is a draw, nobody wins." };
    m_game.SetController(White, Computer);
    for (int i = 0; i < 3; ++i)
    {
        m_game.NewGame();
        SetUpLastDraw(boards[i]);
        m_game.DrawCard();
        ASSERT_EQ(m_observer.m_events.size(), 6u);
        EXPECT_EQ(m_observer.m_events[4], std::string("game over: ") + results[i] + " Do you want to play another game?");
        m_game.SkipTurn();
    }
}

TEST_F(GameStateTest, ComputerGameEndIsAnnouncedOnceThoughTheComputerStillSkips)
{
    m_game.SetController(White, Computer);
    SetUpLastDraw(g_emptyBoard);
    m_game.DrawCard();
    EXPECT_EQ(m_observer.m_events,
              Events({ "status: ", "dealt Red 15 4", "computer to move", "turn White",
                       "game over: The game is a draw, nobody wins. Do you want to play another game?", "shaded" }));
    EXPECT_TRUE(m_game.IsOver());

    m_observer.m_events.clear();
    m_game.SkipTurn();
    EXPECT_EQ(m_observer.m_events, Events({ "status: ", "turn Red", "shaded" }));

    g_testSeconds = 1;
    m_game.NewGame();
    EXPECT_FALSE(m_game.IsOver());
    SetUpLastDraw(g_emptyBoard);
    m_game.DrawCard();
    EXPECT_EQ(m_observer.m_events[4], "game over: The game is a draw, nobody wins. Do you want to play another game?");
}

TEST_F(GameStateTest, TwoPlayersAfterAComputerGameMakesBothSidesHuman)
{
    m_game.SetController(White, Computer);
    SetUpAroundKing();
    m_game.EndTurn();
    m_game.ResetControllers();
    EXPECT_EQ(m_game.m_controller[Red], Human);
    EXPECT_EQ(m_game.m_controller[White], Human);
    EXPECT_EQ(m_game.m_currentController, Human);

    SetUpLastDraw({ "RR.......", ".........", ".........", ".........", "W........", ".........", ".........",
                    ".........", "........." });
    m_game.DrawCard();
    EXPECT_EQ(m_observer.m_events,
              Events({ "status: ", "dealt Red 15 4", "turn White", "game over: Red wins. Do you want to play another game?",
                       "shaded" }));
}

TEST_F(GameStateTest, MoveKingFollowsTheCardsDirectionAndDistance)
{
    const int cards[] = { 0, 9, 18, 3, 12, 21, 6, 15, NoCard };
    const int rows[] = { 5, 6, 4, 3, 2, 1, 4, 6, 4 };
    const int columns[] = { 4, 6, 7, 5, 4, 1, 3, 2, 4 };
    for (int i = 0; i < 9; ++i)
    {
        m_game.m_kingRow = 4;
        m_game.m_kingCol = 4;
        m_game.MoveKing(cards[i]);
        EXPECT_EQ(m_game.m_kingRow, rows[i]) << cards[i];
        EXPECT_EQ(m_game.m_kingCol, columns[i]) << cards[i];
    }
}

} // namespace
