#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/game/ScreenFixture.h"
#include "tests/game/TestGame.h"

namespace
{

// Take-back and redo on the game screen: the position and every
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

// Long enough for the draw pile to run out, so a refill's shuffle is put
// back as it was; one take-back more than there are actions stays on the
// deal, and the actions put back are those of the game played on.
TEST_F(TakeBackTest, TakenBackToTheDealAndPutBackPastARefillIsTheGameAsPlayed)
{
    m_game->StartTwoPlayerGame();
    const std::vector<int> dealt = Position();
    const std::vector<std::string> dealtScreen = Screen();
    const unsigned shuffles = m_game->m_match.m_state.m_deck.m_shuffles;
    while (m_game->m_match.m_state.m_deck.m_shuffles == shuffles && !m_game->m_match.m_state.IsOver())
        Act();
    const std::vector<int> played = Position();
    const std::vector<std::string> shown = Screen();
    const std::size_t actions = m_game->m_match.m_record.m_actions.size();
    for (std::size_t step = 0; step <= actions; ++step)
        m_game->TakeBack();
    EXPECT_EQ(Position(), dealt);
    EXPECT_EQ(Screen(), dealtScreen);
    for (std::size_t step = 0; step < actions; ++step)
        m_game->PutBack();
    EXPECT_EQ(Position(), played);
    EXPECT_EQ(Screen(), shown);
    EXPECT_EQ(m_game->m_match.m_record.m_actions.size(), actions);

    m_game->TakeBack();
    Act();
    EXPECT_TRUE(m_game->m_match.m_redo.empty());
}

// Ctrl+Z and Ctrl+Y against the computer are the end-to-end tests'; here
// the reply waiting for its pause when Red's move is taken back never comes.
TEST_F(TakeBackTest, AReplyWaitingForItsPauseIsDroppedWithTheMoveTakenBack)
{
    m_game->StartOnePlayerGame(1);
    const std::vector<int> dealt = Position();
    Act();
    ASSERT_EQ(m_game->m_match.m_state.m_current, White);
    m_game->TakeBack();
    EXPECT_EQ(Position(), dealt);
    PassTime(1.0);
    RunQueuedTasks();
    EXPECT_EQ(Position(), dealt);
    EXPECT_EQ(m_game->m_match.m_state.m_current, Red);
}

} // namespace
