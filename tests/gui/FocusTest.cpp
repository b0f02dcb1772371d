#include "WidgetFixture.h"

#include <vector>

#include "engine/Callables.h"
#include "gui/KeyboardFocus.h"
#include "gui/Label.h"
#include "gui/YesNoModalDialog.h"

using namespace GUI;

namespace
{

class FocusTest : public WidgetFixture
{
public:
    void OnAnswer(bool) {}                  // a question's answer, not looked at

protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        m_focus = new CKeyboardFocus(m_screen);
    }

    void TearDown() override
    {
        delete m_focus;
        WidgetFixture::TearDown();
    }

    // A column as the menus have, built bottom row first: "Back" at the
    // bottom, three levels over it, the middle one on a panel of its own.
    void BuildMenu()
    {
        m_back = AddButton(10, 30, "Assets/buttonOut.tga");
        m_easy = AddButton(10, 170, "Assets/buttonOut.tga");
        IBaseWidget* panel = new CLabel(0, 0, "");
        m_medium = new CountingButton(10, 135, 128, 32, "Assets/buttonOut.tga", "", CountClick);
        panel->AddChild(m_medium);
        m_screen->AddChild(panel);
        m_hard = AddButton(10, 100, "Assets/buttonOut.tga");
    }

    CKeyboardFocus* m_focus = nullptr;      // over the screen; owned by the test
    CountingButton* m_back = nullptr;       // the buttons of BuildMenu; owned by the screen
    CountingButton* m_easy = nullptr;
    CountingButton* m_medium = nullptr;
    CountingButton* m_hard = nullptr;
};

} // namespace

// Reading order: the top row first, each row from the left, whatever order
// the buttons were added in and however deep they sit; a hidden button, and
// the buttons of a question open over the screen, are not in it.
TEST_F(FocusTest, ButtonsAreOrderedTopRowFirstLeftToRightWithoutHiddenOnesOrAQuestionsOwn)
{
    BuildMenu();
    CountingButton* right = AddButton(300, 100, "Assets/buttonOut.tga");
    CountingButton* hidden = AddButton(10, 65, "Assets/buttonOut.tga");
    hidden->m_visible = false;
    typedef Functor1<FocusTest, bool> Answer;
    new CYesNoModalDialog<Answer>(m_screen, Answer(this, &FocusTest::OnAnswer), "Quit?", 150, 190, 300, 100);

    EXPECT_EQ(m_focus->Order(), (std::vector<CButton*>{m_easy, m_medium, m_hard, right, m_back}));
}

// Taking is a click: the action runs on the next tick. With the focus not
// yet shown, the start button is taken; a start button that cannot be
// focused leaves the first one to start.
TEST_F(FocusTest, TakeClicksTheFocusedButtonOrWhileNoneIsShownTheStartButton)
{
    BuildMenu();
    m_focus->m_start = m_hard;
    m_focus->Take();
    EXPECT_EQ(m_hard->m_focused, false);
    EXPECT_EQ(g_clicks, 0);
    m_handler.Tick();
    EXPECT_EQ(g_clicks, 1);

    m_hard->m_visible = false;
    EXPECT_EQ(m_focus->Current(), m_easy);
    m_focus->Step(1);
    m_focus->Step(1);
    EXPECT_EQ(m_focus->Current(), m_medium);
    m_hard->m_visible = true;
    m_focus->Step(1);
    EXPECT_EQ(m_focus->Current(), m_hard);

    CLabel* bare = new CLabel(0, 0, "");
    m_screen->AddChild(bare);
    CKeyboardFocus empty(bare);
    empty.Step(1);
    empty.Take();
    EXPECT_EQ(empty.Current(), nullptr);
    m_handler.Tick();
    EXPECT_EQ(g_clicks, 1);
}

