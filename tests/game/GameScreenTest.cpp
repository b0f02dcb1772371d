#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "ai/BaseAI.h"
#include "gui/Label.h"
#include "gui/MenuScreen.h"
#include "tests/game/ScreenFixture.h"
#include "tests/game/TestGame.h"

namespace
{

typedef std::vector<Input::Keyboard::CKeyMap*> Maps;
typedef std::vector<std::string>               Strings;

// Skips, queued as the real one's choice is, and counts its turns.
class CSkippingAI : public IBaseAI
{
public:
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
    CSkippingAI* AttachSkippingAI()
    {
        CSkippingAI* ai = new CSkippingAI();
        m_game->m_match.SeatComputer(ai, 1);
        return ai;
    }

    // Clicks "Yes" (0) or "No" (1) on the question opened last.
    void Answer(int button)
    {
        const GUI::IBaseWidget* answer = Dialogs(m_game).back()->m_children[button];
        Click((answer->m_left + answer->m_right) / 2.0f, (answer->m_bottom + answer->m_top) / 2.0f);
    }
};

TEST_F(GameScreenTest, AHiddenScreenClosesTheEndQuestionUnanswered)
{
    m_game->Show();
    SetUpLastDraw(m_game->m_match.m_state, {{8, "........R"}});
    m_game->HumanDrawCard();
    EXPECT_EQ(Questions(), Strings{"Red wins. Do you want to play another game?"});

    static_cast<GUI::CScreen*>(m_menu)->Show();
    EXPECT_FALSE(m_game->m_visible);
    EXPECT_TRUE(Questions().empty());
    EXPECT_EQ(GUI::g_rootWidget.m_hover, &GUI::g_rootWidget);
    EXPECT_EQ(KeyMaps(), Maps({&static_cast<GUI::CMenuScreen*>(m_menu)->m_keyMap}));

    m_game->Show();
    EXPECT_TRUE(Questions().empty());
    EXPECT_EQ(KeyMaps(), Maps({&m_game->m_keyMaps[Red]}));
}

TEST_F(GameScreenTest, AComputerTurnLeftBehindDoesNotLockRedOutOfTheNextGame)
{
    CSkippingAI* ai = AttachSkippingAI();
    m_game->Show();
    m_game->HumanPlayCard(Red, 0);
    m_game->QuitGame();
    ASSERT_EQ(Dialogs(m_game).size(), 1u);
    Answer(0);
    EXPECT_EQ(ai->m_turns, 0);

    m_game->Show();
    m_game->HumanPlayCard(Red, 0);
    EXPECT_EQ(m_game->m_status->m_text, "");
    EXPECT_EQ(m_game->m_match.m_state.m_current, White);
}

// The turn queued in the game left behind falls due first, inside the pause
// of the next game's turn; only the latest turn is taken.
TEST_F(GameScreenTest, OnlyTheComputerTurnQueuedLastIsTaken)
{
    CSkippingAI* ai = AttachSkippingAI();
    m_game->Show();
    m_game->HumanPlayCard(Red, 0);
    static_cast<GUI::CScreen*>(m_menu)->Show();
    m_game->Show();
    m_game->HumanPlayCard(Red, 0);
    LetTheKingLand();
    EXPECT_EQ(m_handler.WaitingCount(), 2u);
    PassTime(1.0);
    RunQueuedTasks();
    EXPECT_EQ(ai->m_turns, 1);
}

// The game's screens built beside the build's own pictures with a font
// whose every glyph is as wide as an int holds.
class ExtremeFontGameTest : public GameScreenTest
{
protected:
    void SetUp() override
    {
        ASSERT_NE(getcwd(m_buildDir, sizeof m_buildDir), nullptr);
        const std::string folder = ::testing::TempDir() + "extreme-font";
        ASSERT_EQ(std::system(("rm -rf '" + folder + "' && mkdir -p '" + folder + "/Assets' && ln -s '" +
                               m_buildDir + "'/Assets/*.tga '" + folder + "/Assets/'").c_str()),
                  0);
        ASSERT_EQ(chdir(folder.c_str()), 0);
        std::ofstream font("Assets/font.glf", std::ios::binary);
        const auto write = [&font](const auto& value) { font.write(reinterpret_cast<const char*>(&value), 4); };
        for (const std::int32_t field : {0, 16, 16, 32, 126, 0})
            write(field);
        for (int code = 32; code <= 126; ++code)
            for (const float value : {0.0f, 0.0f, 0.0f, 0.0f, 1e10f, 1.0f})
                write(value);
        font << std::string(2 * 16 * 16, static_cast<char>(255));
        font.close();
        GameScreenTest::SetUp();
    }

    void TearDown() override
    {
        GameScreenTest::TearDown();
        ASSERT_EQ(chdir(m_buildDir), 0);
    }

    char m_buildDir[PATH_MAX];              // the working folder the test started in
};

} // namespace

// The question's text measures as wide as an int holds; its panel is as
// wide as the window and its margins, not wrapped round to a narrow one.
TEST_F(ExtremeFontGameTest, QuestionPanelForTextOfExtremeWidthIsAsWideAsTheWindow)
{
    m_game->Show();
    SetUpLastDraw(m_game->m_match.m_state);
    m_game->HumanDrawCard();
    ASSERT_EQ(Dialogs(m_game).size(), 1u);
    const GUI::CModalDialog* end = Dialogs(m_game)[0];
    EXPECT_EQ(std::vector<int>({end->m_left, end->m_right}), std::vector<int>({-10, 610}));
}
