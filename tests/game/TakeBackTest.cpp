#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/GameArchive.h"
#include "game/rules/RecordFormat.h"
#include "tests/game/ScreenFixture.h"
#include "tests/game/TestGame.h"

namespace
{

// Take-back, redo and resume on the game screen: the position and every
// widget that shows it, compared whole with those of the same game reached
// by play.
class TakeBackTest : public GameFixture
{
protected:
    // What the screen shows of a position: each hand button's card picture,
    // whether it is shown and its shade, the knights shown, the scores, the
    // status line and the key maps on the stack.
    std::vector<std::string> Screen() const
    {
        std::vector<std::string> screen;
        for (const auto& hand : m_game->m_handButtons)
            for (const CValdmoor::HandButton* button : hand)
                screen.push_back(std::to_string(button->m_visible) + " " +
                                 std::to_string(reinterpret_cast<std::uintptr_t>(button->m_texture.m_resource)) +
                                 " " + std::to_string(button->m_brightness));
        for (const auto& knights : m_game->m_knightImages)
            for (const GUI::CImage* knight : knights)
                screen.push_back(std::to_string(knight->m_visible));
        for (const GUI::CLabel* score : m_game->m_scoreLabels)
            screen.push_back(score->m_text);
        screen.push_back(m_game->m_status->m_text);
        screen.push_back(std::to_string(KeyMaps().size()));
        return screen;
    }

    std::vector<int> Position() const { return WholePosition(m_game->m_match.m_state); }
};

TEST_F(TakeBackTest, TakingBackEveryActionOfTwoPeopleGivesTheFreshDealAgain)
{
    m_game->StartTwoPlayerGame();
    const std::vector<int> dealt = Position();
    const std::vector<std::string> shown = Screen();
    for (int action = 0; action < 12; ++action)
        Act();
    ASSERT_EQ(m_game->m_match.m_record.m_actions.size(), 12u);
    for (int action = 0; action < 12; ++action)
        m_game->TakeBack();
    EXPECT_EQ(Position(), dealt);
    EXPECT_EQ(Screen(), shown);
    m_game->TakeBack();
    EXPECT_EQ(Position(), dealt);
}

// Long enough for the draw pile to run out, so a refill's shuffle is put
// back as it was; the actions after it are those of the game played on.
TEST_F(TakeBackTest, TakenBackAndPutBackIsTheGameAsPlayed)
{
    m_game->StartTwoPlayerGame();
    int shuffles = 0;
    while (shuffles == 0 && !m_game->m_match.m_state.IsOver())
    {
        Act();
        shuffles = static_cast<int>(m_game->m_match.m_state.m_deck.m_shuffles) - 1;
    }
    const std::vector<int> played = Position();
    const std::vector<std::string> shown = Screen();
    const std::size_t actions = m_game->m_match.m_record.m_actions.size();
    for (int step = 0; step < 20; ++step)
        m_game->TakeBack();
    EXPECT_NE(Position(), played);
    for (int step = 0; step < 20; ++step)
        m_game->PutBack();
    EXPECT_EQ(Position(), played);
    EXPECT_EQ(Screen(), shown);
    EXPECT_EQ(m_game->m_match.m_record.m_actions.size(), actions);

    m_game->TakeBack();
    Act();
    EXPECT_TRUE(m_game->m_match.m_redo.empty());
}

// Red to move again after each take-back; the reply waiting for its pause
// never comes, and the one put back is the reply the computer had made.
TEST_F(TakeBackTest, AgainstTheComputerTheReplyGoesBackWithTheMoveAndAPendingOneIsDropped)
{
    m_game->StartOnePlayerGame(1);
    const std::vector<int> dealt = Position();
    Act();
    PassTime(1.0);
    RunQueuedTasks();
    ASSERT_EQ(m_game->m_match.m_record.m_actions.size(), 2u);
    const std::vector<int> answered = Position();

    m_game->TakeBack();
    EXPECT_EQ(Position(), dealt);
    m_game->PutBack();
    EXPECT_EQ(Position(), answered);
    EXPECT_EQ(m_handler.WaitingCount(), 0u);

    Act();
    ASSERT_EQ(m_game->m_match.m_state.m_current, White);
    m_game->TakeBack();
    EXPECT_EQ(Position(), answered);
    PassTime(1.0);
    RunQueuedTasks();
    EXPECT_EQ(Position(), answered);
}

// The save left by one run is the game the next run takes up.
TEST_F(TakeBackTest, TheSavedGameResumesAsItWasWithTheComputerAtItsLevel)
{
    m_game->StartOnePlayerGame(2);
    for (int turn = 0; turn < 3; ++turn)
    {
        Act();
        PassTime(1.0);
        RunQueuedTasks();
    }
    Act();
    const std::vector<int> left = Position();
    const std::vector<std::string> shown = Screen();
    GameRecord saved;
    std::string message;
    ASSERT_TRUE(m_game->m_match.Archive()->LoadCurrent(saved, message)) << message;
    EXPECT_EQ(RecordText(saved), RecordText(m_game->m_match.m_record));

    m_game->StartTwoPlayerGame();
    ASSERT_TRUE(m_game->ResumeGame(saved));
    EXPECT_EQ(Position(), left);
    EXPECT_EQ(Screen(), shown);
    EXPECT_EQ(m_game->m_match.ComputerLevel(), 2);
    PassTime(1.0);
    RunQueuedTasks();
    EXPECT_EQ(m_game->m_match.m_state.m_current, Red);
}

// Review plays nothing and asks nothing; Escape leaves at once.
TEST_F(TakeBackTest, AReviewStepsThroughTheGameAndPlaysNothing)
{
    m_game->StartTwoPlayerGame();
    for (int action = 0; action < 6; ++action)
        Act();
    const std::vector<int> last = Position();
    const GameRecord game = m_game->m_match.m_record;

    m_game->ReviewGame(game);
    EXPECT_EQ(m_game->m_status->m_text, "Review: move 0 of 6. Left and Right step, Escape leaves.");
    m_game->ReviewLast();
    EXPECT_EQ(Position(), last);
    EXPECT_EQ(m_game->m_status->m_text, "Review: move 6 of 6. Left and Right step, Escape leaves.");
    Act();
    EXPECT_EQ(Position(), last);
    m_game->ReviewBack();
    m_game->ReviewBack();
    EXPECT_EQ(m_game->m_status->m_text, "Review: move 4 of 6. Left and Right step, Escape leaves.");
    m_game->QuitGame();
    RunQueuedTasks();
    EXPECT_TRUE(m_menu->m_visible);
}

} // namespace
