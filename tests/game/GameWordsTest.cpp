#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/ExpertSearch.h"
#include "game/BackScreen.h"
#include "game/rules/PlayPreview.h"
#include "tests/game/ScreenFixture.h"
#include "tests/game/TestGame.h"

namespace
{

// What the game screen says besides the specified picture, and the aids a
// player calls up: the rules over the game, the hint, the board behind the
// end question, the king's slide.
class GameWordsTest : public GameFixture
{
protected:
    const CGameState& State() const { return m_game->m_match.m_state; }

    // The computer's reply, due after its pause.
    void LetTheComputerReply()
    {
        PassTime(1.0);
        RunQueuedTasks();
    }
};

// The final score and V's own return are the end-to-end tests'; here what
// the status line says of V, and that the game stays over while the
// question is set aside.
TEST_F(GameWordsTest, TheEndSaysWhatVDoes)
{
    m_game->StartTwoPlayerGame();
    SetUpLastDraw(m_game->m_match.m_state);
    m_game->HumanDrawCard();
    const std::vector<GUI::CModalDialog*> questions = Dialogs(m_game);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(m_game->m_status->m_text, "V hides the question to show the whole board.");
    m_game->ToggleEndQuestion();
    EXPECT_FALSE(questions[0]->Draw());
    EXPECT_EQ(m_game->m_status->m_text, "V brings the question back.");
    m_game->HumanSkipTurn();
    EXPECT_TRUE(State().IsOver());
    m_game->ToggleEndQuestion();
    EXPECT_FALSE(questions[0]->m_setAside);
    EXPECT_EQ(Dialogs(m_game).size(), 1u);
}

// Against the computer the end words name "You" and "Computer", and the
// computer's last skip leaves V's words.
TEST_F(GameWordsTest, AOnePlayerGameEndsWithYouAgainstComputer)
{
    m_game->StartOnePlayerGame(1);
    SetUpLastDraw(m_game->m_match.m_state);
    m_game->HumanDrawCard();
    LetTheComputerReply();
    EXPECT_EQ(m_game->m_turnLine->m_text, "Game over: You 0 : Computer 0");
    EXPECT_EQ(m_game->m_status->m_text, "V hides the question to show the whole board.");
}

// The preview is worked out on a copy: the game and the screen hear nothing
// of it, and the card played afterwards changes the scores exactly so.
TEST_F(GameWordsTest, AHoveredCardsScoreChangesAreThoseItsPlayMakes)
{
    m_game->StartTwoPlayerGame();
    int previews = 0;
    for (int action = 0; action < 200 && !State().IsOver(); ++action)
    {
        const PlayerID mover = State().m_current;
        const PlayerState& hand = State().m_players[mover];
        int slot = 0;
        while (slot < HandSize && (hand.m_hand[slot] == NoCard || !hand.m_playable[slot]))
            ++slot;
        if (slot == HandSize)
        {
            Act();
            continue;
        }
        const std::vector<int> position = WholePosition(State());
        const PlayPreview preview = PreviewPlay(State(), mover, slot);
        EXPECT_EQ(WholePosition(State()), position);
        const int before[2] = {State().m_players[Red].m_score, State().m_players[White].m_score};
        const int knights = hand.m_knights;
        Act();
        EXPECT_EQ(State().m_kingRow * BoardSize + State().m_kingCol, preview.m_square);
        EXPECT_EQ(preview.m_spendsKnight, State().m_players[mover].m_knights == knights - 1);
        EXPECT_EQ(preview.m_change[Red], State().m_players[Red].m_score - before[Red]) << "action " << action;
        EXPECT_EQ(preview.m_change[White], State().m_players[White].m_score - before[White]) << "action " << action;
        ++previews;
    }
    EXPECT_GT(previews, 20);
}

// F1 leaves the game as it was: not dealt anew, and the computer's reply
// waits for the return, then comes after its own pause.
TEST_F(GameWordsTest, TheRulesReadDuringAGameLeaveItUntouchedAndTheReplyWaiting)
{
    m_game->StartOnePlayerGame(1);
    Act();
    const std::vector<int> position = WholePosition(State());
    m_game->ShowRules();
    ASSERT_TRUE(m_game->m_rules->m_visible);
    EXPECT_FALSE(m_game->m_visible);
    LetTheComputerReply();
    EXPECT_EQ(WholePosition(State()), position);

    m_game->m_rules->GoBack();
    RunQueuedTasks();
    EXPECT_TRUE(m_game->m_visible);
    EXPECT_EQ(WholePosition(State()), position);
    EXPECT_EQ(KeyMaps().size(), 2u);
    LetTheComputerReply();
    EXPECT_EQ(State().m_current, Red);
}

TEST_F(GameWordsTest, TheHintIsTheExpertsChoiceAndGoesWithTheNextAction)
{
    m_game->StartTwoPlayerGame();
    for (int action = 0; action < 6; ++action)
        Act();
    const std::vector<int> position = WholePosition(State());
    m_game->ShowHint();
    ASSERT_TRUE(m_game->m_hintShown);
    EXPECT_EQ(WholePosition(State()), position);
    const Decision expert = CExpertSearch(0).ChooseAction(State());
    EXPECT_EQ(m_game->m_hint.m_kind, expert.m_kind);
    EXPECT_EQ(m_game->m_hint.m_slot, expert.m_slot);
    Act();
    EXPECT_FALSE(m_game->m_hintShown);

    // Never for the computer's turn.
    m_game->StartOnePlayerGame(1);
    Act();
    m_game->ShowHint();
    EXPECT_FALSE(m_game->m_hintShown);
}

// The king leaves at once for the card's square, the stone there waits for
// it, and once it has landed no frame is asked for.
TEST_F(GameWordsTest, TheKingSlidesToItsSquareAndAsksForFramesOnlyUntilItLands)
{
    m_game->StartTwoPlayerGame();
    Act();
    const int to = State().m_kingRow * BoardSize + State().m_kingCol;
    EXPECT_EQ(m_game->m_slide.Target(), to);
    EXPECT_EQ(m_game->m_slide.CoveredCell(), EmptyCell);
    EXPECT_EQ(m_handler.WaitingCount(), 1u);

    LetTheKingLand();
    EXPECT_EQ(m_handler.WaitingCount(), 0u);
    EXPECT_EQ(m_handler.QueuedCount(), 0u);

    // A position rebuilt by a take-back shows at once.
    m_game->TakeBack();
    EXPECT_FALSE(m_game->m_slide.Sliding(ElapsedTime()));
    EXPECT_EQ(m_handler.WaitingCount(), 0u);
}

// From (4, 4) three squares up and left to (7, 1), easing into its square.
TEST(KingSlideTest, TheKingGoesFromSquareToSquareInItsTimeAndSlowsAsItArrives)
{
    CKingSlide slide;
    slide.Start(4 * BoardSize + 4, 7 * BoardSize + 1, White, 10.0);
    float row = 0.0f;
    float column = 0.0f;
    slide.Place(10.0, row, column);
    EXPECT_EQ(row, 4.0f);
    EXPECT_EQ(column, 4.0f);
    slide.Place(10.0 + KingSlideSeconds / 2, row, column);
    EXPECT_FLOAT_EQ(row, 4.0f + 3.0f * 0.75f);
    EXPECT_FLOAT_EQ(column, 4.0f - 3.0f * 0.75f);
    EXPECT_TRUE(slide.Sliding(10.0 + KingSlideSeconds / 2));
    EXPECT_FALSE(slide.Sliding(10.0 + KingSlideSeconds));
    slide.Place(10.0 + KingSlideSeconds, row, column);
    EXPECT_EQ(row, 7.0f);
    EXPECT_EQ(column, 1.0f);
    EXPECT_EQ(slide.CoveredCell(), White);

    slide.Start(0, 1, EmptyCell, 20.0);
    slide.Land();
    EXPECT_FALSE(slide.Sliding(20.0));
}

} // namespace
