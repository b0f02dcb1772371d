#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/KeyCodes.h"
#include "engine/TaskHandler.h"
#include "input/KeyMap.h"
#include "input/Keyboard.h"

using namespace Input::Keyboard;

namespace
{

typedef std::vector<std::string> Fired;
Fired g_fired;

// Notes its name when the task it was copied into runs.
struct Note
{
    void operator()() const { g_fired.push_back(name); }
    const char* name;
};

// Each test ends with its maps popped and its keys released, seen by a pass
// with a map, so that no state reaches the next test.
class KeyMapTest : public ::testing::Test
{
protected:
    // The key events given, code and state, then one key pass and the tasks it queued.
    Fired Pass(std::initializer_list<std::pair<int, int>> keys = {})
    {
        for (const auto& [key, down] : keys)
            OnKey(key, down);
        g_fired.clear();
        ProcessKeys();
        while (m_handler.QueuedCount() > 0)
            m_handler.Tick();
        return g_fired;
    }

    CTaskHandler m_handler;
};

} // namespace

// Actions are queued by the pass and run on the next tick; a press released
// before the next pass counts once, as a press and then a release, unless no
// map was there to take it; key codes out of range count for nothing.
TEST_F(KeyMapTest, PressedFiresOnceHeldEveryPassReleasedOnceAfterTheRelease)
{
    CKeyMap map;
    map.BindKey('D', Note{"pressed"}, Pressed);
    map.BindKey('D', Note{"held"}, Held);
    map.BindKey('D', Note{"released"}, Released);
    PushKeyMap(&map);

    EXPECT_EQ(Pass({{512 + 'D', 1}, {1024 + 'D', 1}, {-1, 1}}), Fired{});
    OnKey('D', 1);
    ProcessKeys();
    EXPECT_EQ(g_fired, Fired{});
    EXPECT_EQ(m_handler.QueuedCount(), 2u);
    m_handler.Tick();
    m_handler.Tick();
    EXPECT_EQ(g_fired, (Fired{"held", "pressed"}));
    EXPECT_EQ(Pass(), Fired{"held"});
    EXPECT_EQ(Pass({{'D', 1}}), Fired{"held"});
    EXPECT_EQ(Pass({{'D', 0}}), Fired{"released"});
    EXPECT_EQ(Pass(), Fired{});
    EXPECT_EQ(Pass({{'D', 1}, {'D', 0}}), (Fired{"held", "pressed"}));
    EXPECT_EQ(Pass(), Fired{"released"});
    EXPECT_EQ(Pass(), Fired{});
    PopKeyMap();
    EXPECT_EQ(Pass({{'D', 1}, {'D', 0}}), Fired{});
    PushKeyMap(&map);
    EXPECT_EQ(Pass(), Fired{});
    PopKeyMap();
}

// Bindings of one key fire in the order added and run in reverse. With no
// map, the previous-state bits stay as the last pass left them.
TEST_F(KeyMapTest, OnlyTheTopMapFiresAndWithoutOneWhatChangedFiresOnceOneIsPushed)
{
    CKeyMap red;
    CKeyMap white;
    red.BindKey('1', Note{"red"}, Held);
    red.BindKey('D', Note{"D pressed"}, Pressed);
    red.BindKey('1', Note{"1 released"}, Released);
    white.BindKey('1', Note{"first"}, Pressed);
    white.BindKey('1', Note{"second"}, Pressed);
    white.BindKey('1', Note{"never"}, 7);
    PushKeyMap(&red);
    PushKeyMap(&white);
    EXPECT_EQ(Pass({{'1', 1}}), (Fired{"second", "first"}));
    PopKeyMap();
    EXPECT_EQ(Pass(), Fired{"red"});
    PopKeyMap();

    EXPECT_EQ(Pass({{'D', 1}, {'1', 0}}), Fired{});
    PushKeyMap(&red);
    EXPECT_EQ(Pass(), (Fired{"1 released", "D pressed"}));
    Pass({{'D', 0}});
    PopKeyMap();
}

// Either key of a pair counts; a plain key fires alone or with Shift, never
// with Ctrl or Alt; an exact binding wants exactly its modifiers.
TEST_F(KeyMapTest, APlainKeyFiresAloneOrWithShiftAndAnExactOneWithItsModifiersOnly)
{
    CKeyMap map;
    map.BindKey('D', Note{"plain"}, Pressed, WithoutCtrlOrAlt);
    map.BindKey('D', Note{"ctrl"}, Pressed, Ctrl);
    map.BindKey('D', Note{"any"}, Pressed);
    PushKeyMap(&map);
    const std::pair<int, int> tap[] = {{'D', 1}, {'D', 0}};
    const auto tapWith = [&](int modifier) {
        Pass({{modifier, 1}});
        const Fired fired = Pass({tap[0], tap[1]});
        Pass({{modifier, 0}});
        return fired;
    };
    EXPECT_EQ(Pass({tap[0], tap[1]}), (Fired{"any", "plain"}));
    EXPECT_EQ(tapWith(Keys::LeftShift), (Fired{"any", "plain"}));
    EXPECT_EQ(tapWith(Keys::RightControl), (Fired{"any", "ctrl"}));
    EXPECT_EQ(tapWith(Keys::LeftAlt), Fired{"any"});
    EXPECT_EQ(tapWith(Keys::RightAlt), Fired{"any"});
    PopKeyMap();
}
