#include "WidgetFixture.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/Callables.h"
#include "gui/NavigationKey.h"
#include "gui/YesNoModalDialog.h"

using namespace GUI;

namespace
{

// Questions of 300 by 100 at (150, 190): "Yes" spans 160..288, "No"
// 312..440, both at y 200..232; each one asked over them sits 10 pixels up
// and right. The screen's own button is at (10, 10).
class DialogTest : public WidgetFixture
{
protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        m_button = AddButton(10, 10, "Assets/buttonOut.tga", "Assets/buttonOver.tga");
    }

    IBaseWidget* Ask(int offset = 0, bool yesByDefault = true)
    {
        typedef Functor1<DialogTest, bool> Answer;
        m_asked = new CYesNoModalDialog<Answer>(m_screen->m_children.front(), Answer(this, &DialogTest::OnAnswer),
                                                "Are you sure you want to quit?", 150 + offset, 190 + offset, 300, 100,
                                                yesByDefault);
        return m_asked;
    }

    // The keys' meanings, each given to the screen as its key map would.
    void Keys(std::initializer_list<NavigationKey> keys)
    {
        for (const NavigationKey key : keys)
            m_screen->OnNavigationKey(key);
    }

    void OnAnswer(bool yes)
    {
        m_answers.push_back(std::string(yes ? "yes" : "no") + (m_screen->m_children.back() == m_asked ? "" : " gone"));
        if (m_onAnswer)
            m_onAnswer->Show();
    }

    CountingButton*          m_button = nullptr;   // the screen's own button; owned by the screen
    IBaseWidget*             m_asked = nullptr;    // the dialog expected to answer; owned by the screen
    CScreen*                 m_onAnswer = nullptr; // a screen to show on answering; owned by the root
    std::vector<std::string> m_answers;            // "yes" or "no", " gone" if its dialog had left the screen
};

} // namespace

// A dialog closed, answered or not, gives the mouse to the one below; each
// answer comes while its dialog is still shown; once no dialog is left the
// screen's button lights up under the pointer and takes clicks again.
TEST_F(DialogTest, OnlyTheTopDialogsAnswersTakeClicksAndEachCallsTheOwnerOnce)
{
    IBaseWidget* lower = Ask();
    IBaseWidget* middle = Ask(10);
    IBaseWidget* upper = Ask(20);
    m_screen->RemoveChild(upper);
    delete upper;
    EXPECT_EQ(g_rootWidget.m_hover, middle);
    m_asked = middle;
    Click(50, 20);
    Click(300, 260);
    Click(420, 220);
    EXPECT_EQ(m_screen->m_children.back(), lower);
    EXPECT_EQ(g_rootWidget.m_hover, lower);
    Click(50, 20);
    EXPECT_EQ(g_clicks, 0);

    m_asked = lower;
    Click(200, 210);
    EXPECT_EQ(m_answers, (std::vector<std::string>{"no", "yes"}));
    EXPECT_EQ(m_screen->m_children.size(), 1u);
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
    Poll(50, 20);
    EXPECT_EQ(m_button->m_currentTexture, &m_button->m_overTexture);
    Click(50, 20);
    EXPECT_EQ(m_button->m_currentTexture, &m_button->m_texture);
    EXPECT_EQ(g_clicks, 1);
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

// The question takes the mouse from the button under the pointer, which goes
// dark at once, and the answer leaves it dark: the pointer is on "No" by then.
TEST_F(DialogTest, TheButtonUnderThePointerWhenAQuestionOpensIsDrawnOutUnderItAndAfterIt)
{
    Poll(50, 20);
    ASSERT_EQ(m_button->m_currentTexture, &m_button->m_overTexture);
    m_asked = Ask();
    EXPECT_EQ(m_button->m_currentTexture, &m_button->m_texture);

    Click(420, 220);
    EXPECT_EQ(m_answers, (std::vector<std::string>{"no"}));
    EXPECT_EQ(m_button->m_currentTexture, &m_button->m_texture);
}

// Each key's answer on a single question is the end-to-end tests'; here the
// question opened last takes the keys, each answer comes while its question
// is still on the screen, and a key with no question left does nothing.
TEST_F(DialogTest, OnlyTheTopQuestionHearsTheKeys)
{
    IBaseWidget* lower = Ask();
    Ask(10, false);
    Keys({TakeFocus});
    m_asked = lower;
    Keys({AnswerNo, AnswerYes});
    EXPECT_EQ(m_answers, (std::vector<std::string>{"no", "no"}));
    EXPECT_EQ(m_screen->m_children.size(), 1u);
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
}
