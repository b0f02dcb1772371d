#include "WidgetFixture.h"

#include <vector>

#include "engine/Callables.h"
#include "gui/YesNoModalDialog.h"

using namespace GUI;

namespace
{

// Questions of 300 by 100 at (150, 190): "Yes" spans 160..288, "No"
// 312..440, both at y 200..232. The screen's own button, under them, is at
// (10, 10).
class DialogTest : public WidgetFixture
{
protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        AddButton(10, 10, m_behind, "Assets/buttonOut.tga", "Assets/buttonOver.tga");
    }

    IBaseWidget* Ask(int offset = 0)
    {
        typedef Functor1<DialogTest, bool> Answer;
        m_asked = new CYesNoModalDialog<Answer>(m_screen->m_children.front(), Answer(this, &DialogTest::OnAnswer),
                                                "Are you sure you want to quit?", 150 + offset, 190 + offset, 300, 100);
        return m_asked;
    }

    // Notes the answer and whether the dialog was still on the screen then.
    void OnAnswer(bool yes)
    {
        m_answers.push_back(yes);
        m_stillShown.push_back(m_screen->m_children.back() == m_asked);
        if (m_onAnswer)
            m_onAnswer->Show();
    }

    Counter           m_behind;             // runs of the screen's own button
    IBaseWidget*      m_asked = nullptr;    // the dialog expected to answer; owned by the screen
    CScreen*          m_onAnswer = nullptr; // a screen to show on answering; owned by the root
    std::vector<bool> m_answers;
    std::vector<bool> m_stillShown;
};

} // namespace

// The answer comes while the dialog is still shown; then it is gone and the
// screen below takes clicks again.
TEST_F(DialogTest, ClicksReachOnlyTheAnswersAndEachAnswerCallsTheOwnerOnce)
{
    EXPECT_EQ(g_rootWidget.m_hover, Ask());
    Click(50, 20);
    Click(300, 260);
    EXPECT_EQ(m_behind.runs, 0);
    EXPECT_TRUE(m_answers.empty());

    Click(400, 210);
    Ask();
    Click(200, 210);

    EXPECT_EQ(m_answers, (std::vector<bool>{false, true}));
    EXPECT_EQ(m_stillShown, (std::vector<bool>{true, true}));
    EXPECT_EQ(m_screen->m_children.size(), 1u);
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
    Click(50, 20);
    EXPECT_EQ(m_behind.runs, 1);
}

TEST_F(DialogTest, AnsweringTheUpperOfTwoDialogsLeavesTheLowerOneModal)
{
    IBaseWidget* lower = Ask();
    Ask(10);

    Click(420, 220);
    ASSERT_EQ(m_answers, std::vector<bool>{false});
    EXPECT_EQ(m_screen->m_children.back(), lower);
    EXPECT_EQ(g_rootWidget.m_hover, lower);
    Click(50, 20);
    EXPECT_EQ(m_behind.runs, 0);

    m_asked = lower;
    Click(200, 210);
    EXPECT_EQ(m_answers, (std::vector<bool>{false, true}));
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
}

TEST_F(DialogTest, AnswerThatLeavesTheScreenLeavesTheLowerDialogBehindWithoutTheMouse)
{
    m_onAnswer = new CScreen();
    g_rootWidget.AddChild(m_onAnswer);
    Ask();
    Ask(10);

    Click(210, 220);

    EXPECT_TRUE(m_onAnswer->m_visible);
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
}
