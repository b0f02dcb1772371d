#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Callables.h"
#include "engine/TaskHandler.h"
#include "engine/TimedTask.h"

using namespace Tasks;

namespace
{

typedef std::vector<std::string> Trace;

class TimedTaskTest : public ::testing::Test
{
public:
    void Note(const char* name) { m_trace.push_back(name); }

protected:
    typedef Closure1<TimedTaskTest, const char*> Noting;

    void QueueTimed(const char* name, double start)
    {
        new CTimedTask<Noting>(Noting(this, &TimedTaskTest::Note, name), start);
    }

    CTaskHandler m_handler;
    Trace        m_trace;                   // names of the tasks that ran, in order
};

// The frame task stands for the engine's repeating tasks, which keep the run
// queue from ever running dry. The wait list's order is the handler's own.
TEST_F(TimedTaskTest, RunsOnceAtTheFrontOnlyAfterTheHandlersTimeHasPassedItsStart)
{
    new CTask<Starters::Bottom, Flushers::Repeat, Noting>(Noting(this, &TimedTaskTest::Note, "frame"));
    QueueTimed("reply", 10.5);
    EXPECT_EQ(m_handler.WaitingCount(), 1u);

    for (const double now : {10.0, 10.5})
    {
        m_handler.SetTime(now);
        m_handler.Tick();
    }
    EXPECT_EQ(m_trace, (Trace{"frame", "frame"}));
    EXPECT_EQ(m_handler.WaitingCount(), 1u);

    m_handler.SetTime(10.51);
    for (int tick = 0; tick < 3; ++tick)
        m_handler.Tick();
    EXPECT_EQ(m_trace, (Trace{"frame", "frame", "frame", "reply", "frame"}));
    EXPECT_EQ(m_handler.WaitingCount(), 0u);
    EXPECT_EQ(m_handler.QueuedCount(), 1u);
}

} // namespace
