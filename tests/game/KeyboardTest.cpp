#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/KeyCodes.h"
#include "game/GameArchive.h"
#include "gui/Button.h"
#include "gui/Label.h"
#include "gui/MenuScreen.h"
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

    // The captions of the shown screen's buttons that show the focus.
    Strings Focused() const
    {
        Strings focused;
        for (const GUI::IBaseWidget* screen : GUI::g_rootWidget.m_children)
            if (screen->m_visible)
                for (const GUI::IBaseWidget* child : screen->m_children)
                    if (const GUI::CButton* button = dynamic_cast<const GUI::CButton*>(child))
                        if (button->m_focused)
                            focused.push_back(static_cast<GUI::CLabel*>(button->m_children.front())->m_text);
        return focused;
    }

    Strings Questions() const
    {
        Strings questions;
        for (const GUI::CModalDialog* dialog : Dialogs(m_game))
            questions.push_back(static_cast<GUI::CLabel*>(dialog->m_children[2])->m_text);
        return questions;
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

// Enter takes the start button while the focus is hidden; the first Down or
// Up shows the focus without moving it, and it wraps round the column.
TEST_F(KeyboardTest, TheMenusFocusIsMovedByUpDownAndTabAndTakenByEnterOrSpace)
{
    Press(Keys::Enter);
    EXPECT_EQ(Shown(), "difficulty");
    EXPECT_EQ(Focused(), Strings{});
    Press(Keys::Up);
    EXPECT_EQ(Focused(), Strings{"Easy"});
    Press(Keys::Up);
    EXPECT_EQ(Focused(), Strings{"Back"});
    Press(Keys::Tab);
    Press(Keys::Down);
    EXPECT_EQ(Focused(), Strings{"Medium"});
    Press(Keys::Tab, {Keys::RightShift});
    EXPECT_EQ(Focused(), Strings{"Easy"});
    Press(Keys::Down, {Keys::LeftControl});
    EXPECT_EQ(Focused(), Strings{"Easy"});
    Press(Keys::Up);
    Press(' ');
    EXPECT_EQ(Shown(), "main");
    EXPECT_EQ(Focused(), Strings{});

    Press(Keys::Down);
    Press(Keys::Down);
    Press(Keys::Down);
    EXPECT_EQ(Focused(), Strings{"Instructions"});
    Press(Keys::PadEnter);
    EXPECT_EQ(Shown(), "help");
    Press(Keys::Escape);
    EXPECT_EQ(Shown(), "main");
    EXPECT_EQ(Focused(), Strings{"Instructions"});
    Press(Keys::Up);
    Press(' ');
    EXPECT_EQ(Shown(), "game");
    EXPECT_EQ(m_game->m_match.ComputerLevel(), PersonLevel);
}

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

// The quit question says No to Enter and to Escape, Yes to Y; the end
// question says Yes to Enter.
TEST_F(KeyboardTest, QuestionsOnTheGameScreenAnswerYNEnterAndEscape)
{
    m_game->StartTwoPlayerGame();
    PlayRedsFirstCard();
    const std::vector<int> played = WholePosition(m_game->m_match.m_state);
    for (const int key : {Keys::Enter, Keys::Escape, int{'N'}})
    {
        Press(Keys::Escape);
        EXPECT_EQ(Questions(), Strings{"Are you sure you want to quit?"});
        Press(key);
        EXPECT_EQ(Questions(), Strings{});
        EXPECT_EQ(Shown(), "game");
    }
    EXPECT_EQ(WholePosition(m_game->m_match.m_state), played);
    Press(Keys::Escape);
    Press('Y');
    EXPECT_EQ(Shown(), "main");

    m_game->StartTwoPlayerGame();
    SetUpLastDraw(m_game->m_match.m_state);
    Press(Keys::D);
    ASSERT_EQ(Questions().size(), 1u);
    Press(Keys::Enter);
    EXPECT_EQ(Questions(), Strings{});
    EXPECT_EQ(m_game->m_match.m_record.m_actions.size(), 0u);
    EXPECT_EQ(Shown(), "game");
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

// The question offered at start, over the main menu, takes the menu's keys.
TEST_F(KeyboardTest, TheQuestionOverTheMainMenuTakesItsKeysEscapeSayingNo)
{
    m_game->StartTwoPlayerGame();
    PlayRedsFirstCard();
    static_cast<GUI::CScreen*>(m_menu)->Show();
    std::string refusal;
    ASSERT_TRUE(m_game->OfferSavedGame(m_menu, refusal));
    Press(Keys::Down);
    EXPECT_EQ(Focused(), Strings{});
    Press(Keys::Escape);
    EXPECT_TRUE(Dialogs(m_menu).empty());
    EXPECT_EQ(Shown(), "main");
    EXPECT_EQ(Focused(), Strings{});
}
