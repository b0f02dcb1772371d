#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/KeyCodes.h"
#include "game/GameArchive.h"
#include "gui/TabScreen.h"
#include "tests/game/ScreenFixture.h"

namespace
{

typedef std::vector<std::string> Strings;

// The screens worked through the real key maps: each key is pressed, seen by
// a key pass, its actions run, and released again, with the modifiers given
// held around it.
class KeyboardTest : public GameFixture
{
protected:
    void Press(int key, std::initializer_list<int> modifiers = {})
    {
        for (const int modifier : modifiers)
            Input::Keyboard::OnKey(modifier, 1);
        Input::Keyboard::OnKey(key, 1);
        Pass();
        Input::Keyboard::OnKey(key, 0);
        for (const int modifier : modifiers)
            Input::Keyboard::OnKey(modifier, 0);
        Pass();
    }

    void Pass()
    {
        Input::Keyboard::ProcessKeys();
        RunQueuedTasks();
    }

    std::size_t KeptGames() const
    {
        const std::string folder = m_game->m_match.Archive()->GamesFolder();
        if (!std::filesystem::exists(folder))
            return 0;
        std::size_t kept = 0;
        for ([[maybe_unused]] const auto& file : std::filesystem::directory_iterator(folder))
            ++kept;
        return kept;
    }
};

} // namespace

// On the help screen the tab headers come first, left to right; taking one
// shows its page.
TEST_F(KeyboardTest, OnTheHelpScreenTheKeysGoRoundTheTabsAndBack)
{
    static_cast<GUI::CScreen*>(GUI::g_rootWidget.m_children[2])->Show();
    Press(Keys::Tab);
    Press(Keys::Tab);
    Press(Keys::Tab);
    Press(Keys::Enter);
    const GUI::IBaseWidget* tabs = GUI::g_rootWidget.m_children[2]->m_children.front();
    EXPECT_EQ(static_cast<GUI::CTabScreen*>(tabs->m_children.front())->m_title, "Scoring");
    Press(Keys::Tab);
    Press(Keys::Enter);
    EXPECT_TRUE(m_menu->m_visible);
}

// A game with no action yet is replaced at once, at its level; one under
// way is kept with the finished games once Yes replaces it. The question
// and its answers are the end-to-end tests'.
TEST_F(KeyboardTest, CtrlNReplacesAnUntouchedGameAtOnceAndKeepsOneUnderWay)
{
    m_game->StartOnePlayerGame(3);
    m_game->m_match.m_state.m_kingRow = 0;
    Press('N', {Keys::LeftControl});
    EXPECT_EQ(Questions(), Strings{});
    EXPECT_EQ(m_game->m_match.m_state.m_kingRow, 4);
    EXPECT_EQ(m_game->m_match.ComputerLevel(), 3);

    m_game->StartTwoPlayerGame();
    Act();
    Press('N', {Keys::RightControl});
    ASSERT_EQ(Questions().size(), 1u);
    EXPECT_EQ(KeptGames(), 0u);
    Press('Y');
    EXPECT_EQ(m_game->m_match.m_record.m_actions.size(), 0u);
    EXPECT_EQ(m_game->m_match.ComputerLevel(), PersonLevel);
    EXPECT_EQ(KeptGames(), 1u);
}
