#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ai/BaseAI.h"
#include "gui/Button.h"
#include "gui/Label.h"
#include "tests/game/ScreenFixture.h"
#include "tests/game/TestGame.h"

namespace
{

typedef std::vector<Input::Keyboard::CKeyMap*> Maps;
typedef std::vector<std::string>               Strings;

// Engine key codes.
const int kKey1 = 49;
const int kKey5 = 53;
const int kKeyD = 68;
const int kKeyS = 83;
const int kKeyEscape = 257;

int g_aiDeaths = 0;                         // CSkippingAIs deleted, this test

// Skips, queued as the real one's choice is; counts its turns and its deletion.
class CSkippingAI : public IBaseAI
{
public:
    ~CSkippingAI() override { ++g_aiDeaths; }

    void TakeTurn() override
    {
        ++m_turns;
        m_game->QueueSkipTurn();
    }

    int m_turns = 0;                        // TakeTurn calls
};

class GameScreenTest : public GameFixture
{
protected:
    GameScreenTest() { g_aiDeaths = 0; }

    CSkippingAI* AttachSkippingAI()
    {
        CSkippingAI* ai = new CSkippingAI();
        m_game->AttachAI(ai);
        return ai;
    }

    // The open dialogs' questions, the one opened last at the end.
    Strings Questions() const
    {
        Strings questions;
        for (const GUI::CModalDialog* dialog : Dialogs(m_game))
            questions.push_back(static_cast<GUI::CLabel*>(dialog->m_children[2])->m_text);
        return questions;
    }

    // Clicks "Yes" (0) or "No" (1) on the question opened last.
    void Answer(int button) { ClickCentre(Dialogs(m_game).back()->m_children[button]); }
};

//------------------------------------------------------------------ Dialogs

TEST_F(GameScreenTest, TheEndQuestionStandsCentredAndYesLeavesRedsMapAloneWhoeverWasToMove)
{
    m_game->Show();
    SetUpLastDraw(m_game->m_state);
    m_game->DrawCard();
    ASSERT_EQ(Questions(), Strings{"The game is a draw, nobody wins. Do you want to play another game?"});
    EXPECT_EQ(KeyMaps(), Maps({&m_game->m_keyMaps[Red], &m_game->m_keyMaps[White]}));
    const GUI::CModalDialog* end = Dialogs(m_game)[0];
    const GUI::IBaseWidget* question = end->m_children[2];
    EXPECT_LE(question->m_left + question->GetWidth(), end->m_right - 10);
    EXPECT_NEAR(end->m_left + end->m_right, 600, 1);
    EXPECT_EQ(end->m_bottom, 190);

    Answer(0);
    EXPECT_TRUE(Questions().empty());
    EXPECT_EQ(KeyMaps(), Maps({&m_game->m_keyMaps[Red]}));
}

// White to move after Red's last draw: S alone would pass White's turn and
// D would be refused, were the keys not held by the question.
TEST_F(GameScreenTest, KeysDoNothingBehindTheEndQuestionAndAHiddenScreenClosesItUnanswered)
{
    m_game->Show();
    SetUpLastDraw(m_game->m_state, {{8, "........R"}});
    m_game->DrawCard();
    Press({kKeyEscape, kKey1, kKey5, kKeyD, kKeyS});
    EXPECT_EQ(Questions(), Strings{"Red wins. Do you want to play another game?"});
    EXPECT_EQ(m_game->m_state.m_current, White);
    EXPECT_EQ(m_game->m_status->m_text, "");

    static_cast<GUI::CScreen*>(m_menu)->Show();
    EXPECT_FALSE(m_game->m_visible);
    EXPECT_TRUE(Questions().empty());
    EXPECT_EQ(GUI::g_rootWidget.m_hover, &GUI::g_rootWidget);
    EXPECT_TRUE(KeyMaps().empty());

    m_game->Show();
    EXPECT_TRUE(Questions().empty());
    EXPECT_EQ(KeyMaps(), Maps({&m_game->m_keyMaps[Red]}));
}

//------------------------------------------------------------------ Computer opponent

// The AI a second one replaces and the one "2 Players" drops are deleted.
TEST_F(GameScreenTest, AGameEndingWithTheComputerToMoveAsksOnceAndADroppedAIIsDeleted)
{
    AttachSkippingAI();
    CSkippingAI* ai = AttachSkippingAI();
    EXPECT_EQ(g_aiDeaths, 1);
    m_game->Show();
    SetUpLastDraw(m_game->m_state);
    m_game->DrawCard();
    PassTime(1.0);
    RunQueuedTasks();
    EXPECT_EQ(ai->m_turns, 1);
    EXPECT_EQ(m_game->m_state.m_current, Red);
    EXPECT_EQ(Questions(), Strings{"The game is a draw, nobody wins. Do you want to play another game?"});
    m_game->StartTwoPlayerGame();
    EXPECT_EQ(g_aiDeaths, 2);
}

TEST_F(GameScreenTest, AComputerTurnLeftBehindDoesNotLockRedOutOfTheNextGame)
{
    CSkippingAI* ai = AttachSkippingAI();
    m_game->Show();
    m_game->PlayCard(Red, 0);
    m_game->QuitGame();
    ASSERT_EQ(Dialogs(m_game).size(), 1u);
    EXPECT_EQ(Edges({Dialogs(m_game)[0]}), std::vector<int>({150, 190, 450, 290}));
    Answer(0);
    EXPECT_EQ(ai->m_turns, 0);

    m_game->Show();
    m_game->PlayCard(Red, 0);
    EXPECT_EQ(m_game->m_status->m_text, "");
    EXPECT_EQ(m_game->m_state.m_current, White);
}

// The turn queued in the game left behind falls due first, inside the pause
// of the next game's turn; only the latest turn is taken.
TEST_F(GameScreenTest, OnlyTheComputerTurnQueuedLastIsTaken)
{
    CSkippingAI* ai = AttachSkippingAI();
    m_game->Show();
    m_game->PlayCard(Red, 0);
    static_cast<GUI::CScreen*>(m_menu)->Show();
    m_game->Show();
    m_game->PlayCard(Red, 0);
    EXPECT_EQ(m_handler.WaitingCount(), 2u);
    PassTime(1.0);
    RunQueuedTasks();
    EXPECT_EQ(ai->m_turns, 1);
}

// Red's hand buttons at x 40 and White's at 525 are 32 by 64, slot 1 at
// y 340; Draw and Skip are 128 by 32 at (167, 430) and (305, 430).
TEST_F(GameScreenTest, WhileTheComputerIsToMoveKeysAndClicksAreRefusedForEitherSide)
{
    AttachSkippingAI();
    m_game->Show();
    m_game->PlayCard(Red, 0);
    const std::vector<int> board(std::begin(m_game->m_state.m_board), std::end(m_game->m_state.m_board));
    const struct { const char* what; std::function<void()> action; std::string message; } refusals[] = {
        {"key 1", [this] { Press({kKey1}); }, "It is not your turn to play a card. AI"},
        {"key D", [this] { Press({kKeyD}); }, "It is not your turn to draw."},
        {"key S", [this] { Press({kKeyS}); }, "It is not your turn to skip."},
        {"White's card", [this] { Click(541, 372); }, "It is not your turn to play a card. AI"},
        {"Red's card", [this] { Click(56, 302); }, "It is not your turn to play a card. AI"},
        {"Draw", [this] { Click(231, 446); }, "It is not your turn to draw."},
        {"Skip", [this] { Click(369, 446); }, "It is not your turn to skip."},
    };
    for (const auto& refusal : refusals)
    {
        m_game->m_status->m_text.clear();
        refusal.action();
        EXPECT_EQ(m_game->m_status->m_text, refusal.message) << refusal.what;
        EXPECT_EQ(m_game->m_state.m_current, White) << refusal.what;
        EXPECT_EQ(std::vector<int>(std::begin(m_game->m_state.m_board), std::end(m_game->m_state.m_board)), board)
            << refusal.what;
    }
}

} // namespace
