#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Callables.h"
#include "engine/TaskHandler.h"
#include "gui/ActionButton.h"
#include "gui/ModalDialog.h"
#include "gui/RootWidget.h"
#include "gui/Screen.h"
#include "gui/WidgetEvent.h"
#include "resources/ResourceManager.h"

using namespace GUI;

namespace
{

std::vector<std::string> g_events;

const char* const kEventNames[] = {"MouseEnter",   "MouseLeave",    "LeftPress", "LeftRelease",
                                   "RightPress",   "RightRelease",  "MiddlePress", "MiddleRelease",
                                   "Show",         "Hide",          "Drag"};

void Record(const char* name, int event)
{
    g_events.push_back(std::string(name) + " " + kEventNames[event]);
}

// A widget that reacts by its rectangle, as a button does, and writes down
// every event it gets.
class CProbe : public IBaseWidget
{
public:
    CProbe(const char* name, int x, int y, int width, int height) : IBaseWidget(x, y, width, height), m_name(name) {}

    void OnEvent(int event, const MouseState& mouse) override
    {
        Record(m_name, event);
        IBaseWidget::OnEvent(event, mouse);
    }

    const char* m_name;
};

class CProbeScreen : public CScreen
{
public:
    explicit CProbeScreen(const char* name) : m_name(name) {}

    void OnEvent(int event, const MouseState& mouse) override
    {
        Record(m_name, event);
        CScreen::OnEvent(event, mouse);
    }

    const char* m_name;
};

struct Counter
{
    int runs = 0;
    void Run() { ++runs; }
};

typedef CActionButton<Functor0<Counter>> CountingButton;

// One shown screen under the root; buttons without textures, which need no
// window.
class RoutingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_events.clear();
        m_screen = new CScreen();
        g_rootWidget.AddChild(m_screen);
        m_screen->Show();
    }

    void TearDown() override
    {
        g_rootWidget.DeleteChildren();
        g_rootWidget.m_hover = &g_rootWidget;
        g_rootWidget.m_hoverInside = false;
    }

    CProbe* AddProbe(const char* name, int x, int y, int width = 128, int height = 32)
    {
        CProbe* probe = new CProbe(name, x, y, width, height);
        m_screen->AddChild(probe);
        return probe;
    }

    void Poll(float x, float y, bool left = false, bool right = false)
    {
        UpdateMouseState(m_mouse, x, y, left, false, right);
        g_rootWidget.DispatchMouse(m_mouse);
    }

    IBaseWidget* WidgetAt(float x, float y)
    {
        MouseState at = {};
        at.x = x;
        at.y = y;
        return g_rootWidget.FindWidgetAt(&g_rootWidget, at, true);
    }

    CTaskHandler     m_handler;
    CResourceManager m_resources;
    CScreen*         m_screen = nullptr;
    MouseState       m_mouse = {};
};

} // namespace

TEST_F(RoutingTest, PointOnAnEdgeIsOutside)
{
    CProbe* button = AddProbe("button", 10, 30);

    EXPECT_EQ(WidgetAt(10.0f, 40.0f), m_screen);
    EXPECT_EQ(WidgetAt(10.5f, 40.0f), button);
    EXPECT_EQ(WidgetAt(137.5f, 40.0f), button);
    EXPECT_EQ(WidgetAt(138.0f, 40.0f), m_screen);
    EXPECT_EQ(WidgetAt(50.0f, 30.0f), m_screen);
    EXPECT_EQ(WidgetAt(50.0f, 62.0f), m_screen);
}

TEST_F(RoutingTest, EarliestAddedOverlappingSiblingGetsTheMouse)
{
    AddProbe("first", 10, 30);
    AddProbe("second", 50, 30);

    Poll(100.0f, 40.0f);
    Poll(100.0f, 40.0f, true);

    EXPECT_EQ(g_events, (std::vector<std::string>{"first MouseEnter", "first LeftPress"}));
}

TEST_F(RoutingTest, PressDragOffAndReleaseOverAnotherButton)
{
    AddProbe("first", 10, 30);
    AddProbe("second", 200, 30);
    Poll(50.0f, 40.0f);
    g_events.clear();

    Poll(50.0f, 40.0f, true);
    Poll(150.0f, 40.0f, true);
    Poll(250.0f, 40.0f, true);
    Poll(250.0f, 40.0f, false);

    EXPECT_EQ(g_events, (std::vector<std::string>{"first LeftPress", "first MouseLeave", "first Drag", "first Drag",
                                                  "first MouseLeave", "second MouseEnter", "second LeftRelease"}));
}

TEST_F(RoutingTest, DragOnlyInFramesWhereThePointerMoved)
{
    AddProbe("button", 10, 30);
    Poll(50.0f, 40.0f);
    Poll(50.0f, 40.0f, true);
    g_events.clear();

    Poll(50.0f, 40.0f, true);
    EXPECT_TRUE(g_events.empty());
    Poll(51.0f, 40.0f, true);
    Poll(51.0f, 40.0f, true);
    Poll(51.0f, 39.0f, true);

    EXPECT_EQ(g_events, (std::vector<std::string>{"button Drag", "button Drag"}));
}

TEST_F(RoutingTest, LeftWinsOverRightInOneFrameAndRightIsNotDeliveredLater)
{
    AddProbe("button", 10, 30);
    Poll(50.0f, 40.0f);
    g_events.clear();

    Poll(50.0f, 40.0f, true, true);
    Poll(50.0f, 40.0f, true, true);

    EXPECT_EQ(g_events, (std::vector<std::string>{"button LeftPress"}));
}

TEST_F(RoutingTest, HiddenWidgetThatIsNoScreenStillGetsTheMouse)
{
    CProbe* button = AddProbe("button", 10, 30);
    const MouseState still = {};
    button->OnEvent(GUI::Hide, still);
    g_events.clear();

    Poll(50.0f, 40.0f);
    Poll(50.0f, 40.0f, true);
    Poll(50.0f, 40.0f, false);

    EXPECT_EQ(g_events,
              (std::vector<std::string>{"button MouseEnter", "button LeftPress", "button LeftRelease"}));
}

TEST_F(RoutingTest, HiddenScreenIsNeitherSearchedNorDrawn)
{
    CScreen* hidden = new CScreen();
    g_rootWidget.AddChild(hidden);
    hidden->AddChild(new CProbe("hidden", 10, 30, 128, 32));

    EXPECT_EQ(WidgetAt(50.0f, 40.0f), m_screen);
    EXPECT_FALSE(hidden->Draw());
}

TEST_F(RoutingTest, ShowingAScreenHidesEverySiblingAndSearchesFromTheRoot)
{
    g_rootWidget.DeleteChildren();
    CProbeScreen* menu = new CProbeScreen("menu");
    CProbeScreen* game = new CProbeScreen("game");
    CProbeScreen* help = new CProbeScreen("help");
    for (CScreen* screen : {menu, game, help})
        g_rootWidget.AddChild(screen);
    menu->Show();
    CProbe* button = new CProbe("button", 10, 30, 128, 32);
    menu->AddChild(button);
    Poll(50.0f, 40.0f);
    ASSERT_EQ(g_rootWidget.m_hover, button);
    g_events.clear();

    game->Show();

    EXPECT_EQ(g_events, (std::vector<std::string>{"game Show", "menu Hide", "help Hide"}));
    EXPECT_FALSE(menu->m_visible);
    EXPECT_TRUE(game->m_visible);
    EXPECT_FALSE(help->m_visible);
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
}

TEST_F(RoutingTest, ClickQueuesTheActionForTheNextTickAndRunsItOnce)
{
    Counter counter;
    m_screen->AddChild(new CountingButton(10, 30, 128, 32, "", "", Functor0<Counter>(&counter, &Counter::Run)));
    Poll(50.0f, 40.0f);
    Poll(50.0f, 40.0f, true);

    Poll(50.0f, 40.0f, false);
    EXPECT_EQ(counter.runs, 0);
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);

    m_handler.Tick();
    EXPECT_EQ(counter.runs, 1);
    EXPECT_EQ(m_handler.QueuedCount(), 0u);
}

TEST_F(RoutingTest, QueuedActionRunsAfterItsButtonIsGone)
{
    Counter counter;
    CountingButton* button =
        new CountingButton(10, 30, 128, 32, "", "", Functor0<Counter>(&counter, &Counter::Run));
    m_screen->AddChild(button);
    Poll(50.0f, 40.0f, true);
    Poll(50.0f, 40.0f, false);

    m_screen->RemoveChild(button);
    delete button;
    m_handler.Tick();

    EXPECT_EQ(counter.runs, 1);
}

TEST_F(RoutingTest, DestroyedDialogGivesTheMouseToTheDialogBelow)
{
    AddProbe("button", 10, 30);
    CModalDialog* lower = new CModalDialog(150, 190, 300, 100, m_screen);
    CModalDialog* upper = new CModalDialog(160, 200, 300, 100, m_screen);

    m_screen->RemoveChild(upper);
    delete upper;
    EXPECT_EQ(g_rootWidget.m_hover, lower);
    Poll(50.0f, 40.0f);
    Poll(50.0f, 40.0f, true);
    Poll(50.0f, 40.0f, false);
    EXPECT_TRUE(g_events.empty());

    m_screen->RemoveChild(lower);
    delete lower;
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
}

TEST(MousePollTest, PointerOutsideTheWindowIsClampedToTheNearestEdge)
{
    int x = -5;
    int y = 700;
    EXPECT_TRUE(ClampPointer(x, y, 600, 480));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 480);

    x = 600;
    y = 0;
    EXPECT_FALSE(ClampPointer(x, y, 600, 480));
    EXPECT_EQ(x, 600);
    EXPECT_EQ(y, 0);
}
