#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/BaseAI.h"
#include "engine/Callables.h"
#include "engine/Task.h"
#include "gui/Label.h"
#include "tests/game/ScreenFixture.h"
#include "tests/game/TestGame.h"

namespace
{

typedef std::vector<Input::Keyboard::CKeyMap*> Maps;
typedef std::vector<std::string>               Strings;

int g_aiDeaths = 0;                         // CSkippingAIs deleted, this test

// Skips, queued as the real one's choice is; counts its turns and its deletion.
class CSkippingAI : public IBaseAI
{
public:
    ~CSkippingAI() override { ++g_aiDeaths; }

    void TakeTurn() override
    {
        ++m_turns;
        new Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, Functor0<CValdmoor>>(
            Functor0<CValdmoor>(m_game, &CValdmoor::SkipTurn));
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

    // Clicks "Yes" on the question opened last.
    void ClickYes()
    {
        const GUI::IBaseWidget* yes = Dialogs(m_game).back()->m_children[0];
        Click((yes->m_left + yes->m_right) / 2.0f, (yes->m_bottom + yes->m_top) / 2.0f);
    }
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

    ClickYes();
    EXPECT_TRUE(Questions().empty());
    EXPECT_EQ(KeyMaps(), Maps({&m_game->m_keyMaps[Red]}));
}

TEST_F(GameScreenTest, DialogsLeftOpenCloseUnansweredWhenTheScreenHides)
{
    m_game->Show();
    SetUpLastDraw(m_game->m_state, {{8, "........R"}});
    m_game->DrawCard();
    m_game->QuitGame();
    EXPECT_EQ(Questions(),
              Strings({"Red wins. Do you want to play another game?", "Are you sure you want to quit?"}));

    ClickYes();
    EXPECT_TRUE(m_menu->m_visible);
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
    ClickYes();
    EXPECT_EQ(ai->m_turns, 0);

    m_game->Show();
    m_game->PlayCard(Red, 0);
    EXPECT_EQ(m_game->m_status->m_text, "");
    EXPECT_EQ(m_game->m_state.m_current, White);
}

} // namespace
