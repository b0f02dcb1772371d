#include "WidgetFixture.h"

#include <utility>
#include <vector>

#include "gui/WidgetEvent.h"

using namespace GUI;

namespace
{

typedef std::vector<std::string> Events;
Events g_events;

// A widget of the given base that writes down every event it gets.
template <typename Base>
class CProbe : public Base
{
public:
    template <typename... Args>
    explicit CProbe(const char* name, Args... args) : Base(args...), m_name(name) {}

    void OnEvent(int event, const MouseState& mouse) override
    {
        static const char* const names[] = {"MouseEnter", "MouseLeave", "LeftPress", "LeftRelease", "RightPress",
                                            "RightRelease", "MiddlePress", "MiddleRelease", "Show", "Hide", "Drag"};
        g_events.push_back(std::string(m_name) + " " + names[event]);
        Base::OnEvent(event, mouse);
    }

    const char* m_name;
};

class RoutingTest : public WidgetFixture
{
protected:
    RoutingTest() { g_events.clear(); }

    IBaseWidget* AddProbe(const char* name, int x, IBaseWidget* parent = nullptr)
    {
        (parent ? parent : m_screen)->AddChild(new CProbe<IBaseWidget>(name, x, 30, 128, 32));
        return (parent ? parent : m_screen)->m_children.back();
    }

    IBaseWidget* WidgetAt(float x, float y)
    {
        const MouseState at = {x, y, 0, 0, false, false, false, false, false, false};
        return g_rootWidget.FindWidgetAt(&g_rootWidget, at, true);
    }

    // The events since the last take.
    Events Take() { return std::exchange(g_events, {}); }
};

} // namespace

TEST_F(RoutingTest, PointOnAnEdgeIsOutsideAndTheEarliestAddedOverlappingSiblingWins)
{
    IBaseWidget* first = AddProbe("first", 10);
    IBaseWidget* second = AddProbe("second", 50);
    const struct { float x, y; const IBaseWidget* widget; } points[] = {
        {10, 40, m_screen}, {10.5f, 40, first}, {137.5f, 40, first}, {177.5f, 40, second},
        {178, 40, m_screen}, {50, 30, m_screen}, {50, 62, m_screen}};
    for (const auto& point : points)
        EXPECT_EQ(WidgetAt(point.x, point.y), point.widget) << point.x << ", " << point.y;
}

// The pressed widget keeps the mouse until the release and drags only in
// polls where the pointer moved.
TEST_F(RoutingTest, PressDragOffAndReleaseOverAnotherButton)
{
    AddProbe("first", 10);
    AddProbe("second", 200);
    Poll(50.0f, 40.0f);
    Poll(50.0f, 40.0f, true);
    Poll(50.0f, 40.0f, true);
    EXPECT_EQ(Take(), (Events{"first MouseEnter", "first LeftPress"}));

    for (const float x : {150.0f, 250.0f, 250.0f})
        Poll(x, 40.0f, true);
    Poll(250.0f, 39.0f, true);
    Poll(250.0f, 39.0f, false);

    EXPECT_EQ(Take(), (Events{"first MouseLeave", "first Drag", "first Drag", "first Drag", "first MouseLeave",
                              "second MouseEnter", "second LeftRelease"}));
}

TEST_F(RoutingTest, OneButtonEventPerPollLeftFirstEvenToAHiddenWidget)
{
    AddProbe("button", 10)->OnEvent(GUI::Hide, MouseState{});
    Poll(50.0f, 40.0f);
    EXPECT_EQ(Take(), (Events{"button Hide", "button MouseEnter"}));

    Poll(50.0f, 40.0f, true, true);
    Poll(50.0f, 40.0f, true, true);
    Poll(50.0f, 40.0f);
    EXPECT_EQ(Take(), (Events{"button LeftPress", "button LeftRelease"}));
}

TEST_F(RoutingTest, ShowingAScreenHidesEverySiblingAndSearchesFromTheRoot)
{
    g_rootWidget.DeleteChildren();
    CScreen* screens[] = {new CProbe<CScreen>("menu"), new CProbe<CScreen>("game"), new CProbe<CScreen>("help")};
    for (CScreen* screen : screens)
        g_rootWidget.AddChild(screen);
    screens[0]->Show();
    IBaseWidget* button = AddProbe("button", 10, screens[0]);
    Poll(50.0f, 40.0f);
    ASSERT_EQ(g_rootWidget.m_hover, button);
    Take();

    screens[1]->Show();
    EXPECT_EQ(Take(), (Events{"game Show", "menu Hide", "help Hide", "button MouseLeave"}));
    EXPECT_EQ(std::vector<bool>({screens[0]->m_visible, screens[1]->m_visible, screens[2]->m_visible}),
              std::vector<bool>({false, true, false}));
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
    EXPECT_EQ(WidgetAt(50.0f, 40.0f), screens[1]);
}

TEST_F(RoutingTest, ClickQueuesTheActionForTheNextTickEvenAfterItsButtonIsGone)
{
    CountingButton* button = AddButton(10, 30);
    Poll(50.0f, 40.0f, true);
    Poll(50.0f, 40.0f, false);
    EXPECT_EQ(g_clicks, 0);
    EXPECT_EQ(g_rootWidget.m_hover, &g_rootWidget);
    m_screen->RemoveChild(button);
    delete button;

    m_handler.Tick();
    EXPECT_EQ(g_clicks, 1);
    EXPECT_EQ(m_handler.QueuedCount(), 0u);
}

// Edges included: a pointer on one is inside.
TEST(MousePollTest, PointerOutsideTheWindowIsClampedToTheNearestEdge)
{
    int outside[] = {-5, 700}, edge[] = {600, 0};
    EXPECT_TRUE(ClampPointer(outside[0], outside[1], 600, 480));
    EXPECT_FALSE(ClampPointer(edge[0], edge[1], 600, 480));
    EXPECT_EQ(std::vector<int>({outside[0], outside[1], edge[0], edge[1]}), std::vector<int>({0, 480, 600, 0}));
}
