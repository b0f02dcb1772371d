#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/Callables.h"
#include "engine/TaskHandler.h"

using namespace Tasks;

namespace
{

typedef std::vector<std::string> Trace;

Trace g_trace;

// A task whose start time, flush result and failure the test chooses, to
// reach the wait list, which no task type of the game uses.
struct CScriptedTask : IBaseTask
{
    CScriptedTask(const char* name, double start, FlushResult result, bool throws = false)
        : m_name(name), m_start(start), m_result(result), m_throws(throws) {}
    ~CScriptedTask() override { g_trace.push_back(std::string("~") + m_name); }
    FlushResult Flush(double) override { return m_result; }
    double      StartTime() const override { return m_start; }
    void        Execute(double) override
    {
        g_trace.push_back(m_name);
        if (m_throws)
            throw std::runtime_error(m_name);
    }

    const char* m_name;
    double      m_start;                    // seconds
    FlushResult m_result;                   // what every Flush answers
    bool        m_throws;                   // Execute throws after writing its name
};

class TaskHandlerTest : public ::testing::Test
{
public:
    void Note(const char* name) { g_trace.push_back(name); }
    void Step(double period) { m_steps.push_back(period); }
    void Spawn()
    {
        Queue<Starters::Immediate, Flushers::Once>("B");
        Queue<Starters::Immediate, Flushers::Once>("C");
    }

protected:
    void SetUp() override { g_trace.clear(); }

    template <typename Starter, typename Flusher>
    void Queue(const char* name)
    {
        new CTask<Starter, Flusher, Closure1<TaskHandlerTest, const char*>>({this, &TaskHandlerTest::Note, name});
    }

    void Ticks(int count)
    {
        while (count-- > 0)
            m_handler.Tick();
    }

    CTaskHandler        m_handler;
    std::vector<double> m_steps;            // seconds; the period of each recurring step run
};

} // namespace

TEST_F(TaskHandlerTest, FrontInsertionsRunNextInReverseOrderAndRepeatsGoToTheBack)
{
    Queue<Starters::Bottom, Flushers::Repeat>("R");
    Queue<Starters::Bottom, Flushers::Once>("O");
    new CTask<Starters::Bottom, Flushers::Once, Functor0<TaskHandlerTest>>({this, &TaskHandlerTest::Spawn});
    Queue<Starters::AfterCurrent, Flushers::Repeat>("keys");
    Ticks(10);
    // The spawner's run writes nothing: it queues B, then C, at the front.
    EXPECT_EQ(g_trace, (Trace{"keys", "R", "O", "C", "B", "keys", "R", "keys", "R"}));
    EXPECT_EQ(m_handler.QueuedCount(), 2u);
}

TEST_F(TaskHandlerTest, WaitingTasksPastTheirStartMoveToTheFrontLatestStartFirst)
{
    EXPECT_EQ(m_handler.NextStart(), std::numeric_limits<double>::infinity()) << "nothing waits";
    const std::pair<const char*, double> waiting[] = {{"late", 2.0}, {"early", 1.0}, {"now", 5.0}, {"new", 1.0}};
    for (const auto& [name, start] : waiting)
        m_handler.AddTask(new CScriptedTask(name, start, Delete), InsertTimed);
    EXPECT_EQ(m_handler.NextStart(), 1.0);
    m_handler.SetTime(5.0);
    m_handler.Tick();
    EXPECT_TRUE(g_trace.empty()) << "a tick on an empty run queue moves nothing";
    Queue<Starters::Bottom, Flushers::Once>("trigger");
    Queue<Starters::Bottom, Flushers::Once>("queued");
    Ticks(5);
    // "new" went ahead of "early", of an equal start time, so it reached the front first;
    // "now" starts at the handler's time, which has not yet passed it.
    EXPECT_EQ(g_trace, (Trace{"trigger", "late", "~late", "early", "~early", "new", "~new", "queued"}));
    EXPECT_EQ(m_handler.WaitingCount(), 1u);
    EXPECT_EQ(m_handler.NextStart(), 5.0) << "the frame's wait ends when the task left waiting falls due";
}

TEST_F(TaskHandlerTest, FlushResultsRequeueFrontAndWait)
{
    CScriptedTask* task = new CScriptedTask("T", 3.0, RequeueFront);
    m_handler.AddTask(task, InsertBack);
    Queue<Starters::Bottom, Flushers::Once>("other");
    Ticks(2);
    EXPECT_EQ(g_trace, (Trace{"T", "T"}));
    task->m_result = Tasks::Wait;
    m_handler.Tick();
    EXPECT_EQ(m_handler.WaitingCount(), 1u);
    m_handler.Tick();
    EXPECT_EQ(g_trace, (Trace{"T", "T", "T", "other"}));
}

// The handler deletes its tasks, so a task not made with new stops the
// program before the handler takes it.
using TaskHandlerDeathTest = TaskHandlerTest;

TEST_F(TaskHandlerDeathTest, ATaskNotMadeWithNewStopsTheProgramBeforeTheHandlerTakesIt)
{
    CScriptedTask onStack("on the stack", 0.0, Delete);
    EXPECT_DEATH(m_handler.AddTask(&onStack, InsertBack), "the handler deletes its tasks");
    EXPECT_EQ(m_handler.QueuedCount(), 0u);
}

TEST(TaskHandlerLifetimeTest, RemoveTaskDeletesItAndDestructorDeletesTheRestEvenATaskThatThrew)
{
    g_trace.clear();
    CTaskHandler* handler = new CTaskHandler();
    IBaseTask* doomed = new CScriptedTask("doomed", 0.0, RequeueBack);
    handler->AddTask(doomed, InsertBack);
    handler->AddTask(new CScriptedTask("queued", 0.0, RequeueBack), InsertBack);
    handler->AddTask(new CScriptedTask("waiting", 7.0, Delete), InsertTimed);
    handler->RemoveTask(doomed);
    EXPECT_EQ(g_trace, (Trace{"~doomed"}));
    EXPECT_EQ(handler->QueuedCount(), 1u);
    handler->AddTask(new CScriptedTask("thrower", 0.0, Delete, true), InsertFront);
    EXPECT_THROW(handler->Tick(), std::runtime_error);
    delete handler;
    EXPECT_EQ(g_trace, (Trace{"~doomed", "thrower", "~queued", "~waiting", "~thrower"}));
    EXPECT_EQ(CTaskHandler::Instance(), nullptr);
}

TEST_F(TaskHandlerTest, RecurringTaskCatchesUpInWholePeriods)
{
    const double period = static_cast<double>(1.0f / 60.0f);
    new CRecurringTask<Functor1<TaskHandlerTest, double>>({this, &TaskHandlerTest::Step}, period);

    // No window system runs here, so the task's last step is at time 0.
    m_handler.SetTime(period);
    m_handler.Tick();
    EXPECT_TRUE(m_steps.empty()) << "a gap of exactly one period runs nothing";
    m_handler.SetTime(3.5 * period);
    m_handler.Tick();
    EXPECT_EQ(m_steps, (std::vector<double>{period, period, period}));
    m_handler.SetTime(4.0 * period + period / 4);
    m_handler.Tick();
    EXPECT_EQ(m_steps.size(), 4u) << "the pending half period counts towards the next step";
}

// What a frame learns from TakeActivity: only a task not marked routine, or a
// waiting task falling due, is news; a routine task deleted and its address
// reused by a new task does not pass the mark on.
TEST_F(TaskHandlerTest, ActivityIsATaskNotMarkedRoutineOrAWaitingTaskFallingDue)
{
    CScriptedTask* routine = new CScriptedTask("routine", 0.0, RequeueBack);
    m_handler.AddTask(routine, InsertBack);
    m_handler.MarkRoutine(routine);
    EXPECT_FALSE(m_handler.TakeActivity()) << "nothing ran yet";
    m_handler.Tick();
    EXPECT_FALSE(m_handler.TakeActivity()) << "a routine task ran";
    Queue<Starters::Immediate, Flushers::Once>("action");
    m_handler.Tick();
    EXPECT_TRUE(m_handler.TakeActivity()) << "an action ran";
    EXPECT_FALSE(m_handler.TakeActivity()) << "taking the news clears it";
    m_handler.AddTask(new CScriptedTask("later", 1.0, Delete), InsertTimed);
    m_handler.SetTime(2.0);
    m_handler.Tick();
    EXPECT_TRUE(m_handler.TakeActivity()) << "a waiting task fell due";
    m_handler.Tick();
    EXPECT_TRUE(m_handler.TakeActivity()) << "the task that fell due ran";
    m_handler.RemoveTask(routine);
    m_handler.AddTask(new CScriptedTask("newcomer", 0.0, RequeueBack), InsertFront);
    m_handler.Tick();
    EXPECT_TRUE(m_handler.TakeActivity()) << "a new task ran";
}
