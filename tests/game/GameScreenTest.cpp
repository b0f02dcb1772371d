#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "ai/BaseAI.h"
#include "engine/Callables.h"
#include "engine/Task.h"
#include "game/Valdmoor.h"
#include "gui/Label.h"
#include "gui/Screen.h"
#include "tests/game/ScreenFixture.h"
#include "tests/game/TestGame.h"

namespace
{

using ::testing::FloatEq;
using ::testing::Pointwise;

typedef std::vector<Input::Keyboard::CKeyMap*> Maps;

const std::vector<std::string> g_emptyBoard = {".........", ".........", ".........", ".........", ".........",
                                               ".........", ".........", ".........", "........."};

// Plays White's first playable card, or skips, queued like the real one's
// choice; counts its turns and its deletion.
class CSimpleAI : public IBaseAI
{
public:
    explicit CSimpleAI(int& deaths) : m_deaths(deaths) {}
    ~CSimpleAI() override { ++m_deaths; }

    void TakeTurn() override
    {
        ++m_turns;
        const PlayerState& white = m_game->m_state.m_players[White];
        for (int slot = 0; slot < HandSize; ++slot)
        {
            if (white.m_playable[slot] && white.m_hand[slot] != NoCard)
            {
                new Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, Closure2<CValdmoor, PlayerID, int>>(
                    Closure2<CValdmoor, PlayerID, int>(m_game, &CValdmoor::PlayCard, White, slot));
                return;
            }
        }
        new Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, Functor0<CValdmoor>>(
            Functor0<CValdmoor>(m_game, &CValdmoor::SkipTurn));
    }

    int m_turns = 0;

private:
    int& m_deaths;
};

class GameScreenTest : public ScreenFixture
{
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        if (HasFatalFailure())
            return;
        m_menu = new GUI::CScreen();
        m_game = new CValdmoor(m_menu);
        GUI::g_rootWidget.AddChild(m_menu);
        GUI::g_rootWidget.AddChild(m_game);
        m_menu->Show();
    }

    CSimpleAI* AttachSimpleAI()
    {
        CSimpleAI* ai = new CSimpleAI(m_aiDeaths);
        m_game->AttachAI(ai);
        return ai;
    }

    // One-step cards for Red, two-step cards for White, none of them leading
    // off the board or onto a stone for the first few moves.
    void SetUpCentre()
    {
        CGameState& state = m_game->m_state;
        SetHand(state, Red, {0, 1, 2, 3, 4});
        SetHand(state, White, {8, 9, 10, 11, 12});
        Settle(state);
    }

    // King in the bottom left corner; every card in both hands and the top
    // of the draw pile leads off the board. Red to move with one empty slot:
    // Red's draw ends the game with White to move.
    void SetUpLastDraw(const std::vector<std::string>& rows = g_emptyBoard)
    {
        CGameState& state = m_game->m_state;
        SetBoard(state, rows);
        state.m_kingRow = 0;
        state.m_kingCol = 0;
        SetHand(state, Red, {3, 4, 5, 6, NoCard});
        SetHand(state, White, {7, 11, 12, 13, 14});
        state.m_deck.m_drawPile = {19, 15};
        Settle(state);
    }

    // King in the bottom left corner, Red to move. Red's first card goes
    // up one square; then White's 5, 6 and 7 lead off the board, and so
    // does Red's 6.
    void SetUpCorner()
    {
        CGameState& state = m_game->m_state;
        state.m_kingRow = 0;
        state.m_kingCol = 0;
        SetHand(state, Red, {0, 6, 1, 2, 3});
        SetHand(state, White, {8, 5, 16, 6, 7});
        Settle(state);
    }

    Maps RedOnly() { return {&m_game->m_keyMaps[Red]}; }
    Maps WhiteOnRed() { return {&m_game->m_keyMaps[Red], &m_game->m_keyMaps[White]}; }

    std::string Question(GUI::CModalDialog* dialog) const
    {
        return static_cast<GUI::CLabel*>(dialog->m_children[2])->m_text;
    }

    // Answers the question opened last through its "Yes" or "No" button.
    void ClickYes() { ClickAnswer(0); }
    void ClickNo() { ClickAnswer(1); }

    void ClickAnswer(std::size_t button)
    {
        const GUI::IBaseWidget* answer = Dialogs(m_game).back()->m_children[button];
        Click((answer->m_left + answer->m_right) / 2.0f, (answer->m_bottom + answer->m_top) / 2.0f);
    }

    std::vector<float> Shades(PlayerID player) const
    {
        std::vector<float> shades;
        for (const CValdmoor::HandButton* button : m_game->m_handButtons[player])
            shades.push_back(button->m_brightness);
        return shades;
    }

    GUI::CScreen* m_menu = nullptr;
    CValdmoor*    m_game = nullptr;
    int           m_aiDeaths = 0;
};

//------------------------------------------------------------------ Key maps

TEST_F(GameScreenTest, WhitesMapLiesOnRedsExactlyWhileWhiteIsToMove)
{
    EXPECT_TRUE(KeyMaps().empty());
    m_game->Show();
    EXPECT_EQ(KeyMaps(), RedOnly());
    SetUpCentre();
    m_game->PlayCard(Red, 0);
    EXPECT_EQ(KeyMaps(), WhiteOnRed());
    m_game->PlayCard(White, 0);
    EXPECT_EQ(KeyMaps(), RedOnly());
    m_game->DrawCard();
    EXPECT_EQ(KeyMaps(), WhiteOnRed());
    m_game->DrawCard();
    EXPECT_EQ(KeyMaps(), RedOnly());
}

TEST_F(GameScreenTest, DigitKeysPlayForThePlayerToMove)
{
    m_game->Show();
    SetUpCentre();
    Press(51);
    EXPECT_EQ(m_game->m_state.m_players[Red].m_hand[2], NoCard);
    Press(305);
    EXPECT_EQ(m_game->m_state.m_players[White].m_hand[2], NoCard);
    Press(51);
    EXPECT_EQ(m_game->m_status->m_text, "That slot does not contain a card.");
    Press('D');
    EXPECT_NE(m_game->m_state.m_players[Red].m_hand[2], NoCard);
    EXPECT_EQ(KeyMaps(), WhiteOnRed());
}

TEST_F(GameScreenTest, YesToAnotherGameLeavesRedsMapAloneWhoeverWasToMove)
{
    m_game->Show();
    SetUpLastDraw();
    m_game->DrawCard();
    ASSERT_EQ(Dialogs(m_game).size(), 1u);
    EXPECT_EQ(Question(Dialogs(m_game)[0]), "The game is a draw, nobody wins. Do you want to play another game?");
    EXPECT_EQ(KeyMaps(), WhiteOnRed());

    ClickYes();
    EXPECT_TRUE(Dialogs(m_game).empty());
    EXPECT_EQ(KeyMaps(), RedOnly());
    EXPECT_EQ(m_game->m_state.m_current, Red);
    Press(49);
    EXPECT_EQ(m_game->m_state.m_players[Red].m_hand[0], NoCard);
}

TEST_F(GameScreenTest, LeavingTheGameTakesBothMapsOff)
{
    m_game->Show();
    m_game->PlayCard(Red, 0);
    Press(257);
    ClickYes();
    EXPECT_TRUE(m_menu->m_visible);
    EXPECT_FALSE(m_game->m_visible);
    EXPECT_TRUE(KeyMaps().empty());

    m_game->Show();
    EXPECT_EQ(KeyMaps(), RedOnly());
    EXPECT_EQ(m_game->m_state.m_current, Red);
}

//------------------------------------------------------------------ Hand shading

TEST_F(GameScreenTest, ANewGameShadesRedFullAndWhiteDimmer)
{
    m_game->Show();
    EXPECT_THAT(Shades(Red), Pointwise(FloatEq(), std::vector<float>{1.0f, 1.0f, 1.0f, 1.0f, 1.0f}));
    EXPECT_THAT(Shades(White), Pointwise(FloatEq(), std::vector<float>{0.7f, 0.7f, 0.7f, 0.7f, 0.7f}));

    SetUpCorner();
    m_game->OnHandsShaded(true);
    EXPECT_THAT(Shades(Red), Pointwise(FloatEq(), std::vector<float>{1.0f, 0.5f, 1.0f, 1.0f, 0.5f}));
    EXPECT_THAT(Shades(White), Pointwise(FloatEq(), std::vector<float>{0.7f, 0.3f, 0.7f, 0.3f, 0.3f}));
}

TEST_F(GameScreenTest, AfterAnActionTheMoverIsShadedBrighterThanTheOther)
{
    m_game->Show();
    SetUpCorner();
    m_game->PlayCard(Red, 0);
    EXPECT_THAT(Shades(White), Pointwise(FloatEq(), std::vector<float>{1.0f, 0.6f, 1.0f, 0.6f, 0.6f}));
    EXPECT_THAT(Shades(Red), Pointwise(FloatEq(), std::vector<float>{0.9f, 0.5f, 0.9f, 0.9f, 0.9f}));
}

//------------------------------------------------------------------ Quitting

TEST_F(GameScreenTest, QuittingBeforeTheFirstCardLeavesAtOnce)
{
    m_game->Show();
    Press(257);
    EXPECT_TRUE(Dialogs(m_game).empty());
    EXPECT_TRUE(m_menu->m_visible);
}

TEST_F(GameScreenTest, QuittingAfterTheFirstCardAsksAndNoKeepsTheGame)
{
    m_game->Show();
    m_game->PlayCard(Red, 0);
    const int redHand1 = m_game->m_state.m_players[Red].m_hand[1];
    Press(257);
    ASSERT_EQ(Dialogs(m_game).size(), 1u);
    EXPECT_EQ(Question(Dialogs(m_game)[0]), "Are you sure you want to quit?");

    ClickNo();
    EXPECT_TRUE(Dialogs(m_game).empty());
    EXPECT_TRUE(m_game->m_visible);
    EXPECT_EQ(m_game->m_state.m_current, White);
    EXPECT_EQ(m_game->m_state.m_players[Red].m_hand[1], redHand1);
    EXPECT_EQ(KeyMaps(), WhiteOnRed());
}

//------------------------------------------------------------------ Dialogs

TEST_F(GameScreenTest, AGameEndingWithTheComputerToMoveAsksOnce)
{
    CSimpleAI* ai = AttachSimpleAI();
    m_game->Show();
    SetUpLastDraw();
    m_game->DrawCard();
    RunQueuedTasks();
    EXPECT_EQ(ai->m_turns, 1);
    EXPECT_EQ(m_game->m_state.m_current, Red);
    ASSERT_EQ(Dialogs(m_game).size(), 1u);
    EXPECT_EQ(Question(Dialogs(m_game)[0]), "The game is a draw, nobody wins. Do you want to play another game?");
}

TEST_F(GameScreenTest, DialogsLeftOpenCloseUnansweredWhenTheScreenHides)
{
    m_game->Show();
    SetUpLastDraw({"........R", ".........", ".........", ".........", ".........", ".........", ".........",
                   ".........", "........."});
    m_game->DrawCard();
    ASSERT_EQ(Dialogs(m_game).size(), 1u);
    EXPECT_EQ(Question(Dialogs(m_game)[0]), "Red wins. Do you want to play another game?");
    Press(257);
    ASSERT_EQ(Dialogs(m_game).size(), 2u);

    ClickYes();
    EXPECT_TRUE(m_menu->m_visible);
    EXPECT_TRUE(Dialogs(m_game).empty());
    EXPECT_EQ(GUI::g_rootWidget.m_hover, &GUI::g_rootWidget);

    m_game->Show();
    EXPECT_TRUE(Dialogs(m_game).empty());
    EXPECT_EQ(KeyMaps(), RedOnly());
}

TEST_F(GameScreenTest, QuestionsStandCentredOnAPanelWideEnoughForThem)
{
    m_game->Show();
    m_game->PlayCard(Red, 0);
    m_game->QuitGame();
    ASSERT_EQ(Dialogs(m_game).size(), 1u);
    GUI::CModalDialog* quit = Dialogs(m_game)[0];
    EXPECT_EQ(quit->m_left, 150);
    EXPECT_EQ(quit->m_right, 450);
    EXPECT_EQ(quit->m_bottom, 190);
    EXPECT_EQ(quit->m_top, 290);
    ClickNo();

    m_game->Show();
    SetUpLastDraw();
    m_game->DrawCard();
    ASSERT_EQ(Dialogs(m_game).size(), 1u);
    GUI::CModalDialog* end = Dialogs(m_game)[0];
    const GUI::IBaseWidget* question = end->m_children[2];
    EXPECT_LE(question->m_left + question->GetWidth(), end->m_right - 10);
    EXPECT_NEAR(end->m_left + end->m_right, 600, 1);
    EXPECT_EQ(end->m_bottom, 190);
}

//------------------------------------------------------------------ Computer opponent

TEST_F(GameScreenTest, TheComputerThinksAfterTheQueueHasGoneRound)
{
    CSimpleAI* ai = AttachSimpleAI();
    m_game->Show();
    SetUpCentre();
    m_game->PlayCard(Red, 0);
    EXPECT_EQ(ai->m_turns, 0);
    EXPECT_EQ(m_handler.QueuedCount(), 1u);
    RunQueuedTasks();
    EXPECT_EQ(ai->m_turns, 1);
    EXPECT_EQ(m_game->m_state.m_current, Red);
    EXPECT_EQ(KeyMaps(), RedOnly());
}

TEST_F(GameScreenTest, AnAIThatIsReplacedOrDroppedIsDeleted)
{
    AttachSimpleAI();
    AttachSimpleAI();
    EXPECT_EQ(m_aiDeaths, 1);
    m_game->StartTwoPlayerGame();
    EXPECT_EQ(m_aiDeaths, 2);
    EXPECT_EQ(m_game->m_ai, nullptr);
    EXPECT_EQ(m_game->m_state.m_controller[White], Human);
}

TEST_F(GameScreenTest, AComputerTurnLeftBehindDoesNotLockRedOutOfTheNextGame)
{
    CSimpleAI* ai = AttachSimpleAI();
    m_game->Show();
    m_game->PlayCard(Red, 0);
    m_game->QuitGame();
    ClickYes();
    EXPECT_FALSE(m_game->m_visible);
    EXPECT_EQ(ai->m_turns, 0);

    m_game->Show();
    m_game->PlayCard(Red, 0);
    EXPECT_EQ(m_game->m_status->m_text, "");
    EXPECT_EQ(m_game->m_state.m_current, White);
}

//------------------------------------------------------------------ Drawing

TEST_F(GameScreenTest, TheKingIsPlacedOnItsSquareEveryFrame)
{
    m_game->Show();
    m_game->m_state.m_kingRow = 2;
    m_game->m_state.m_kingCol = 7;
    GUI::DrawTree(&GUI::g_rootWidget);
    EXPECT_EQ(m_game->m_king->m_left, 129 + 7 * 38 + 3);
    EXPECT_EQ(m_game->m_king->m_bottom, 2 * 38 + 63);
    EXPECT_EQ(m_game->m_king->m_right, m_game->m_king->m_left + 32);
    EXPECT_EQ(m_game->m_king->m_top, m_game->m_king->m_bottom + 32);
}

} // namespace
