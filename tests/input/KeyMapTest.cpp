#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Callables.h"
#include "engine/TaskHandler.h"
#include "input/KeyMap.h"
#include "input/Keyboard.h"

using namespace Input::Keyboard;

namespace
{

const int kKeyD = 68;
const int kKeyOne = 49;

struct Recorder
{
    std::vector<std::string> trace;
    void Note(const char* name) { trace.push_back(name); }
};

typedef Closure1<Recorder, const char*> Note;

// Each test balances its own pushes; the keys it pressed are released and
// seen released by one more pass, so no state reaches the next test.
class KeyMapTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (int key : {kKeyD, kKeyOne})
            OnKey(key, 0);
        CKeyMap idle;
        PushKeyMap(&idle);
        Pass();
        PopKeyMap();
    }

    void Bind(CKeyMap& map, int key, const char* name, std::uint32_t mode)
    {
        map.BindKey(static_cast<std::uint16_t>(key), Note(&m_recorder, &Recorder::Note, name), mode);
    }

    // One key pass, then the tasks it queued.
    std::vector<std::string> Pass()
    {
        m_recorder.trace.clear();
        ProcessKeys();
        while (m_handler.QueuedCount() > 0)
            m_handler.Tick();
        return m_recorder.trace;
    }

    CTaskHandler m_handler;
    Recorder     m_recorder;
};

typedef std::vector<std::string> Fired;

} // namespace

TEST_F(KeyMapTest, PressedFiresOnceHeldEveryPassReleasedOnceAfterTheRelease)
{
    CKeyMap map;
    Bind(map, kKeyD, "pressed", Pressed);
    Bind(map, kKeyD, "held", Held);
    Bind(map, kKeyD, "released", Released);
    PushKeyMap(&map);

    EXPECT_EQ(Pass(), Fired{});
    OnKey(kKeyD, 1);
    EXPECT_EQ(Pass(), (Fired{"held", "pressed"}));
    EXPECT_EQ(Pass(), Fired{"held"});
    OnKey(kKeyD, 1);
    EXPECT_EQ(Pass(), Fired{"held"});
    OnKey(kKeyD, 0);
    EXPECT_EQ(Pass(), Fired{"released"});
    EXPECT_EQ(Pass(), Fired{});
    PopKeyMap();
}

TEST_F(KeyMapTest, ActionRunsOnTheNextTickNotDuringThePass)
{
    CKeyMap map;
    Bind(map, kKeyOne, "play", Pressed);
    PushKeyMap(&map);
    OnKey(kKeyOne, 1);

    ProcessKeys();
    EXPECT_TRUE(m_recorder.trace.empty());
    EXPECT_EQ(m_handler.QueuedCount(), 1u);
    m_handler.Tick();
    EXPECT_EQ(m_recorder.trace, Fired{"play"});
    EXPECT_EQ(m_handler.QueuedCount(), 0u);
    PopKeyMap();
}

TEST_F(KeyMapTest, PressAndReleaseBetweenTwoPassesFiresNothing)
{
    CKeyMap map;
    Bind(map, kKeyD, "pressed", Pressed);
    Bind(map, kKeyD, "held", Held);
    Bind(map, kKeyD, "released", Released);
    PushKeyMap(&map);
    Pass();

    OnKey(kKeyD, 1);
    OnKey(kKeyD, 0);

    EXPECT_EQ(Pass(), Fired{});
    PopKeyMap();
}

TEST_F(KeyMapTest, EmptyStackFiresNothingAndKeepsThePreviousStateBits)
{
    CKeyMap map;
    Bind(map, kKeyD, "D pressed", Pressed);
    Bind(map, kKeyOne, "1 released", Released);
    PushKeyMap(&map);
    OnKey(kKeyOne, 1);
    Pass();
    PopKeyMap();

    OnKey(kKeyD, 1);
    OnKey(kKeyOne, 0);
    EXPECT_EQ(Pass(), Fired{});

    PushKeyMap(&map);
    EXPECT_EQ(Pass(), (Fired{"1 released", "D pressed"}));
    PopKeyMap();
}

TEST_F(KeyMapTest, OnlyTheUpperMapFiresUntilItIsPopped)
{
    CKeyMap red;
    CKeyMap white;
    Bind(red, kKeyOne, "red", Held);
    Bind(white, kKeyOne, "white", Held);
    PushKeyMap(&red);
    PushKeyMap(&white);
    OnKey(kKeyOne, 1);

    EXPECT_EQ(Pass(), Fired{"white"});
    PopKeyMap();
    EXPECT_EQ(Pass(), Fired{"red"});
    PopKeyMap();
}

TEST_F(KeyMapTest, KeyCodesFrom512AreIgnored)
{
    CKeyMap map;
    Bind(map, kKeyD, "released", Released);
    Bind(map, kKeyD, "held", Held);
    PushKeyMap(&map);
    Pass();

    OnKey(512 + kKeyD, 1);
    OnKey(1024 + kKeyD, 1);
    OnKey(-1, 1);

    EXPECT_EQ(Pass(), Fired{});
    PopKeyMap();
}

TEST_F(KeyMapTest, BindingsOfOneKeyFireInOrderAndRunInReverseAndUnknownModesNever)
{
    CKeyMap map;
    Bind(map, kKeyOne, "first", Pressed);
    Bind(map, kKeyOne, "second", Pressed);
    Bind(map, kKeyOne, "never", 7);
    PushKeyMap(&map);
    OnKey(kKeyOne, 1);

    EXPECT_EQ(Pass(), (Fired{"second", "first"}));
    PopKeyMap();
}
