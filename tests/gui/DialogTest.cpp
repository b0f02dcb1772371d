#include "WidgetFixture.h"

#include <vector>

#include "engine/Callables.h"
#include "gui/Label.h"
#include "gui/YesNoModalDialog.h"

using namespace GUI;

namespace
{

// The owner of the questions: it notes each answer, and whether the dialog
// was still on the screen when the answer came.
struct Owner
{
    void OnAnswer(bool yes)
    {
        answers.push_back(yes);
        dialogStillShown.push_back(screen->m_children.back() == asked);
        if (onAnswer)
            onAnswer->Show();
    }

    CScreen*          screen = nullptr;
    IBaseWidget*      asked = nullptr;      // the dialog expected to answer
    CScreen*          onAnswer = nullptr;   // a screen to show on answering
    std::vector<bool> answers;
    std::vector<bool> dialogStillShown;
};

typedef CYesNoModalDialog<Functor1<Owner, bool>> Question;

struct Counter
{
    int runs = 0;
    void Run() { ++runs; }
};

// Questions of 300 by 100 at (150, 190): "Yes" spans 160..288, "No"
// 312..440, both at y 200..232.
class DialogTest : public WidgetFixture
{
protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        m_owner.screen = m_screen;
        m_screen->AddChild(new CActionButton<Functor0<Counter>>(10, 10, 128, 32, "Assets/buttonOut.tga",
                                                                "Assets/buttonOver.tga",
                                                                Functor0<Counter>(&m_behind, &Counter::Run)));
    }

    Question* Ask(const char* text, int offset = 0)
    {
        Question* question = new Question(m_screen->m_children.front(), Functor1<Owner, bool>(&m_owner, &Owner::OnAnswer),
                                          text, 150 + offset, 190 + offset, 300, 100);
        m_owner.asked = question;
        return question;
    }

    Owner   m_owner;
    Counter m_behind;                       // the screen's own button, under the dialogs
};

} // namespace

TEST_F(DialogTest, QuestionIsLaidOutOnThePanelOverItsOwnersScreen)
{
    Question* question = Ask("Are you sure you want to quit?");

    ASSERT_EQ(m_screen->m_children.back(), question);
    ASSERT_EQ(question->m_children.size(), 3u);
    const IBaseWidget* yes = question->m_children[0];
    const IBaseWidget* no = question->m_children[1];
    const CLabel* text = static_cast<const CLabel*>(question->m_children[2]);
    EXPECT_EQ(yes->m_left, 160);
    EXPECT_EQ(yes->m_bottom, 200);
    EXPECT_EQ(static_cast<const CLabel*>(yes->m_children.front())->m_text, "Yes");
    EXPECT_EQ(yes->m_children.front()->m_left, 160 + (128 - 24) / 2);
    EXPECT_EQ(no->m_left, 450 - 138);
    EXPECT_EQ(no->m_right, 440);
    EXPECT_EQ(no->m_bottom, 200);
    EXPECT_EQ(static_cast<const CLabel*>(no->m_children.front())->m_text, "No");
    EXPECT_EQ(text->m_text, "Are you sure you want to quit?");
    EXPECT_EQ(text->m_left, 160);
    EXPECT_EQ(text->m_bottom, 250);
    EXPECT_EQ(g_rootWidget.m_hover, question);
}

TEST_F(DialogTest, ClicksOutsideTheDialogReachNothing)
{
    Ask("Are you sure you want to quit?");

    Click(50, 20);
    Click(300, 260);
    RunQueuedTasks();

    EXPECT_EQ(m_behind.runs, 0);
    EXPECT_TRUE(m_owner.answers.empty());
}

TEST_F(DialogTest, YesCallsTheOwnerOnceWhileTheDialogIsShownThenRemovesIt)
{
    Ask("Are you sure you want to quit?");

    Click(200, 210);
    EXPECT_TRUE(m_owner.answers.empty());
    RunQueuedTasks();

    EXPECT_EQ(m_owner.answers, std::vector<bool>{true});
    EXPECT_EQ(m_owner.dialogStillShown, std::vector<bool>{true});
    EXPECT_EQ(m_screen->m_children.size(), 1u);
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
    Click(50, 20);
    RunQueuedTasks();
    EXPECT_EQ(m_behind.runs, 1);
}

TEST_F(DialogTest, NoAnswersFalse)
{
    Ask("Do you want to play another game?");

    Click(400, 210);
    RunQueuedTasks();

    EXPECT_EQ(m_owner.answers, std::vector<bool>{false});
    EXPECT_EQ(m_screen->m_children.size(), 1u);
}

TEST_F(DialogTest, AnsweringTheUpperOfTwoDialogsLeavesTheLowerOneModal)
{
    Question* lower = Ask("Red wins. Do you want to play another game?");
    Ask("Are you sure you want to quit?", 10);

    Click(420, 220);
    RunQueuedTasks();
    ASSERT_EQ(m_owner.answers, std::vector<bool>{false});
    EXPECT_EQ(m_screen->m_children.back(), lower);
    EXPECT_EQ(g_rootWidget.m_hover, lower);

    Click(50, 20);
    RunQueuedTasks();
    EXPECT_EQ(m_behind.runs, 0);

    m_owner.asked = lower;
    Click(200, 210);
    RunQueuedTasks();
    EXPECT_EQ(m_owner.answers, (std::vector<bool>{false, true}));
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
}

TEST_F(DialogTest, AnswerThatLeavesTheScreenLeavesTheLowerDialogBehindWithoutTheMouse)
{
    CScreen* menu = new CScreen();
    g_rootWidget.AddChild(menu);
    Ask("Red wins. Do you want to play another game?");
    Ask("Are you sure you want to quit?", 10);
    m_owner.onAnswer = menu;

    Click(210, 220);
    RunQueuedTasks();

    EXPECT_TRUE(menu->m_visible);
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
}
