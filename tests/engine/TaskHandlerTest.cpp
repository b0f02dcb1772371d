#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Callables.h"
#include "engine/TaskHandler.h"

using namespace Tasks;

namespace
{

std::vector<std::string> g_trace;

// A task whose start time and flush result the test chooses, to reach the
// wait list, which no task type of the game uses.
class CScriptedTask : public IBaseTask
{
public:
    CScriptedTask(const char* name, double start, FlushResult result)
        : m_result(result), m_name(name), m_start(start) {}
    ~CScriptedTask() override { g_trace.push_back(std::string("~") + m_name); }

    FlushResult Flush(double) override { return m_result; }
    double      StartTime() const override { return m_start; }
    void        Execute(double) override { g_trace.push_back(m_name); }

    FlushResult m_result;

private:
    const char* m_name;
    double      m_start;
};

struct Recorder
{
    void Note(const char* name) { g_trace.push_back(name); }
};

typedef Closure1<Recorder, const char*> Note;

template <typename Starter, typename Flusher>
IBaseTask* Queue(Recorder& recorder, const char* name)
{
    return new CTask<Starter, Flusher, Note>(Note(&recorder, &Recorder::Note, name));
}

class TaskHandlerTest : public ::testing::Test
{
protected:
    void SetUp() override { g_trace.clear(); }

    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            m_handler.Tick();
    }

    CTaskHandler m_handler;
    Recorder     m_recorder;
};

struct Spawner
{
    Recorder* recorder;
    void Spawn()
    {
        Queue<Starters::Immediate, Flushers::Once>(*recorder, "B");
        Queue<Starters::Immediate, Flushers::Once>(*recorder, "C");
    }
};

} // namespace

TEST_F(TaskHandlerTest, FrontInsertionsMadeByARunningTaskRunNextInReverseOrder)
{
    Spawner spawner{&m_recorder};
    new CTask<Starters::Immediate, Flushers::Once, Functor0<Spawner>>(Functor0<Spawner>(&spawner, &Spawner::Spawn));
    Queue<Starters::Bottom, Flushers::Once>(m_recorder, "X");

    Ticks(4);
    EXPECT_EQ(g_trace, (std::vector<std::string>{"C", "B", "X"}));
}

TEST_F(TaskHandlerTest, BottomRunsAfterEverythingAlreadyQueued)
{
    Queue<Starters::Bottom, Flushers::Once>(m_recorder, "X");
    Queue<Starters::Bottom, Flushers::Once>(m_recorder, "Y");
    Queue<Starters::Bottom, Flushers::Once>(m_recorder, "Z");
    Queue<Starters::Bottom, Flushers::Once>(m_recorder, "A");

    Ticks(4);
    EXPECT_EQ(g_trace, (std::vector<std::string>{"X", "Y", "Z", "A"}));
}

TEST_F(TaskHandlerTest, RepeatGoesToTheBackAndOnceIsDeleted)
{
    Queue<Starters::Bottom, Flushers::Repeat>(m_recorder, "R");
    Queue<Starters::Bottom, Flushers::Once>(m_recorder, "O");
    Queue<Starters::Bottom, Flushers::Repeat>(m_recorder, "S");

    Ticks(7);
    EXPECT_EQ(g_trace, (std::vector<std::string>{"R", "O", "S", "R", "S", "R", "S"}));
    EXPECT_EQ(m_handler.QueuedCount(), 2u);
}

TEST_F(TaskHandlerTest, AfterCurrentQueuedBeforeTheLoopRunsFirst)
{
    Queue<Starters::Bottom, Flushers::Repeat>(m_recorder, "frame");
    Queue<Starters::AfterCurrent, Flushers::Repeat>(m_recorder, "keys");

    Ticks(3);
    EXPECT_EQ(g_trace, (std::vector<std::string>{"keys", "frame", "keys"}));
}

TEST_F(TaskHandlerTest, TickOnAnEmptyQueueIgnoresDueWaitingTasks)
{
    m_handler.AddTask(new CScriptedTask("W", -1.0, Delete), InsertTimed);
    m_handler.SetTime(5.0);

    m_handler.Tick();
    EXPECT_TRUE(g_trace.empty());
    EXPECT_EQ(m_handler.WaitingCount(), 1u);
}

TEST_F(TaskHandlerTest, DueWaitingTasksMoveToTheFrontLatestStartFirst)
{
    m_handler.AddTask(new CScriptedTask("early", 1.0, Delete), InsertTimed);
    m_handler.AddTask(new CScriptedTask("late", 2.0, Delete), InsertTimed);
    m_handler.AddTask(new CScriptedTask("future", 9.0, Delete), InsertTimed);
    Queue<Starters::Bottom, Flushers::Once>(m_recorder, "trigger");
    Queue<Starters::Bottom, Flushers::Once>(m_recorder, "queued");
    m_handler.SetTime(5.0);

    Ticks(4);
    EXPECT_EQ(g_trace, (std::vector<std::string>{"trigger", "late", "~late", "early", "~early", "queued"}));
    EXPECT_EQ(m_handler.WaitingCount(), 1u);
}

TEST_F(TaskHandlerTest, NewWaitingTaskGoesAheadOfEqualStartTimes)
{
    m_handler.AddTask(new CScriptedTask("first", 1.0, Delete), InsertTimed);
    m_handler.AddTask(new CScriptedTask("second", 1.0, Delete), InsertTimed);
    Queue<Starters::Bottom, Flushers::Once>(m_recorder, "trigger");
    m_handler.SetTime(2.0);

    Ticks(3);
    // "second" stands first in the wait list, so it is moved to the front
    // first and ends up behind "first".
    EXPECT_EQ(g_trace, (std::vector<std::string>{"trigger", "first", "~first", "second", "~second"}));
}

TEST_F(TaskHandlerTest, FlushResultsRequeueFrontAndWait)
{
    CScriptedTask* task = new CScriptedTask("T", 3.0, RequeueFront);
    m_handler.AddTask(task, InsertBack);
    Queue<Starters::Bottom, Flushers::Once>(m_recorder, "other");

    Ticks(2);
    EXPECT_EQ(g_trace, (std::vector<std::string>{"T", "T"}));

    task->m_result = Wait;
    m_handler.Tick();
    EXPECT_EQ(m_handler.WaitingCount(), 1u);
    m_handler.Tick();
    EXPECT_EQ(g_trace, (std::vector<std::string>{"T", "T", "T", "other"}));
}

TEST(TaskHandlerLifetimeTest, RemoveTaskDeletesItAndDestructorDeletesTheRest)
{
    g_trace.clear();
    CTaskHandler* handler = new CTaskHandler();
    IBaseTask* doomed = new CScriptedTask("doomed", 0.0, RequeueBack);
    handler->AddTask(doomed, InsertBack);
    handler->AddTask(new CScriptedTask("queued", 0.0, RequeueBack), InsertBack);
    handler->AddTask(new CScriptedTask("waiting", 7.0, Delete), InsertTimed);

    handler->RemoveTask(doomed);
    EXPECT_EQ(g_trace, (std::vector<std::string>{"~doomed"}));
    EXPECT_EQ(handler->QueuedCount(), 1u);

    delete handler;
    EXPECT_EQ(g_trace, (std::vector<std::string>{"~doomed", "~queued", "~waiting"}));
    EXPECT_EQ(CTaskHandler::Instance(), nullptr);
}

TEST_F(TaskHandlerTest, StopClearsTheRunningFlag)
{
    EXPECT_FALSE(m_handler.IsRunning());
    m_handler.Start();
    EXPECT_TRUE(m_handler.IsRunning());
    m_handler.Stop();
    EXPECT_FALSE(m_handler.IsRunning());
}

namespace
{

struct Stepper
{
    std::vector<double> steps;
    void Step(double period) { steps.push_back(period); }
};

} // namespace

TEST_F(TaskHandlerTest, RecurringTaskCatchesUpInWholePeriods)
{
    const double period = static_cast<double>(1.0f / 60.0f);
    Stepper stepper;
    new CRecurringTask<Functor1<Stepper, double>>(Functor1<Stepper, double>(&stepper, &Stepper::Step), period);

    // No window system runs here, so the task's last step is at time 0.
    m_handler.SetTime(period);
    m_handler.Tick();
    EXPECT_TRUE(stepper.steps.empty()) << "a gap of exactly one period runs nothing";

    m_handler.SetTime(3.5 * period);
    m_handler.Tick();
    EXPECT_EQ(stepper.steps, (std::vector<double>{period, period, period}));

    m_handler.SetTime(4.0 * period + period / 4);
    m_handler.Tick();
    EXPECT_EQ(stepper.steps.size(), 4u) << "the pending half period counts towards the next step";
}

TEST(CallablesTest, CopiesOfAClosureRunIndependentlyWithTheSameBoundValues)
{
    struct Target
    {
        std::vector<std::pair<int, char>> calls;
        void Take(int a, char b) { calls.emplace_back(a, b); }
    } target;

    Closure2<Target, int, char> original(&target, &Target::Take, 3, 'x');
    Closure2<Target, int, char> copy = original;
    original();
    copy();
    copy();
    EXPECT_EQ(target.calls, (std::vector<std::pair<int, char>>{{3, 'x'}, {3, 'x'}, {3, 'x'}}));
}

TEST(CallablesTest, Functor1PassesEachCallsArgument)
{
    struct Target
    {
        std::vector<bool> answers;
        void Answer(bool yes) { answers.push_back(yes); }
    } target;

    Functor1<Target, bool> answer(&target, &Target::Answer);
    answer(true);
    answer(false);
    EXPECT_EQ(target.answers, (std::vector<bool>{true, false}));
}
