#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/KeyCodes.h"
#include "game/GameArchive.h"
#include "gui/TabScreen.h"
#include "tests/game/ScreenFixture.h"
#include "tests/game/TestGame.h"

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

    // The screen shown, by its place among the root's children.
    std::string Shown() const
    {
        const char* const names[] = {"main", "game", "help", "difficulty", "credits"};
        for (std::size_t screen = 0; screen < GUI::g_rootWidget.m_children.size(); ++screen)
            if (GUI::g_rootWidget.m_children[screen]->m_visible)
                return names[screen];
        return "none";
    }

    // The first card Red can play, played by its key.
    void PlayRedsFirstCard()
    {
        for (int slot = 0; slot < HandSize; ++slot)
            if (m_game->m_match.m_state.m_players[Red].m_playable[slot])
            {
                Press(Keys::Digit1 + slot);
                return;
            }
        FAIL() << "Red has no card to play";
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

const char* const kNewGameQuestion = "Start a new game? This game will be kept with your finished games.";

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
    EXPECT_EQ(Shown(), "main");
}

// Ctrl or Alt with a game key does nothing, not even a refusal; Shift
// leaves the key as it is.
TEST_F(KeyboardTest, GameKeysDoNothingWithCtrlOrAltHeldAndTheirUsualWithShift)
{
    m_game->StartTwoPlayerGame();
    const std::vector<int> before = WholePosition(m_game->m_match.m_state);
    Press(Keys::D, {Keys::LeftControl});
    Press(Keys::D, {Keys::RightAlt});
    Press(Keys::Digit1, {Keys::RightControl});
    Press(Keys::Pad1, {Keys::LeftAlt});
    Press(Keys::S, {Keys::LeftControl});
    Press(Keys::Escape, {Keys::LeftControl});
    EXPECT_EQ(WholePosition(m_game->m_match.m_state), before);
    EXPECT_EQ(m_game->m_status->m_text, "");
    EXPECT_EQ(Shown(), "game");

    Press(Keys::D, {Keys::LeftShift});
    EXPECT_EQ(m_game->m_status->m_text, "You already have 5 cards.");
    Press(Keys::Escape, {Keys::RightShift});
    EXPECT_EQ(Shown(), "main");
}

// A game with no action yet is replaced at once; one under way only after
// Yes, and it is kept with the finished games. The seats stay as they were.
TEST_F(KeyboardTest, CtrlNStartsAGameOfTheSameKindAskingFirstWhileOneIsUnderWay)
{
    m_game->StartOnePlayerGame(3);
    m_game->m_match.m_state.m_kingRow = 0;
    Press('N', {Keys::LeftControl});
    EXPECT_EQ(Questions(), Strings{});
    EXPECT_EQ(m_game->m_match.m_state.m_kingRow, 4);
    EXPECT_EQ(m_game->m_match.ComputerLevel(), 3);

    m_game->StartTwoPlayerGame();
    PlayRedsFirstCard();
    Press('N', {Keys::RightControl});
    EXPECT_EQ(Questions(), Strings{kNewGameQuestion});
    Press(Keys::Enter);
    EXPECT_EQ(m_game->m_match.m_record.m_actions.size(), 1u);
    EXPECT_EQ(KeptGames(), 0u);

    Press('N', {Keys::LeftControl});
    Press('Y');
    EXPECT_EQ(Questions(), Strings{});
    EXPECT_EQ(m_game->m_match.m_record.m_actions.size(), 0u);
    EXPECT_EQ(m_game->m_match.m_state.m_current, Red);
    EXPECT_EQ(KeyMaps().size(), 1u);
    EXPECT_EQ(m_game->m_match.ComputerLevel(), PersonLevel);
    EXPECT_EQ(KeptGames(), 1u);

    Press('N');
    EXPECT_EQ(Questions(), Strings{});
    EXPECT_EQ(m_game->m_match.m_record.m_actions.size(), 0u);
}

