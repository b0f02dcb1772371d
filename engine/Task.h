#pragma once

// Index of this file:
//   Task interface   - what the handler runs
//   Starters         - where a new task enters the run queue
//   Flushers         - what becomes of a task after it ran
//   CTask            - a task made of one starter, one flusher and a callable
//   CRecurringTask   - a fixed-step task that catches up on lost time
//   Queue            - makes a task that belongs to the handler from then on

#include <utility>

#include "engine/MadeWithNew.h"
#include "engine/Time.h"

namespace Tasks
{

//------------------------------------------------------------------ Task interface

// What becomes of a task after it ran, as its Flush says.
enum FlushResult
{
    Delete       = 0,                       // the handler deletes it
    RequeueFront = 1,                       // back to the front of the run queue
    RequeueBack  = 2,                       // to the back of the run queue
    Wait         = 3                        // it waits in the wait list until its StartTime
};

// Where AddTask puts a new task.
enum InsertMode
{
    InsertFront = 1,                        // the front of the run queue
    InsertBack  = 2,                        // the back of the run queue
    InsertTimed = 3                         // waits until its StartTime, then goes to the front
};

// A unit of work of the main loop. The handler owns every task it was given
// and deletes it, so every task is made with new.
class IBaseTask : public CMadeWithNew
{
public:
    virtual FlushResult Flush(double now) = 0;      // after a run: what becomes of the task
    virtual double      StartTime() const = 0;      // when a waiting task becomes due
    virtual void        Execute(double now) = 0;    // the work; now is the handler's time in seconds
    virtual ~IBaseTask() {}                         // only the handler deletes a task
};

// Hands a task to the handler, which owns it from then on. Defined with the
// handler; kept apart so that this header needs no more than a declaration of it.
void AddTask(IBaseTask* task, InsertMode mode);

// A routine task repeats every pass and changes nothing on screen by itself;
// a frame after a pass of routine tasks only has nothing new to draw.
void MarkRoutine(IBaseTask* task);

//------------------------------------------------------------------ Starters

namespace Starters
{

// The task goes to the front of the run queue.
struct Immediate
{
    static void Register(IBaseTask* task) { AddTask(task, InsertFront); }   // queues the task being built
};

// The running task has already left the queue, so a front insertion made while
// it runs lands right after it.
struct AfterCurrent
{
    static void Register(IBaseTask* task) { AddTask(task, InsertFront); }   // queues the task being built
};

// The task goes to the back of the run queue.
struct Bottom
{
    static void Register(IBaseTask* task) { AddTask(task, InsertBack); }    // queues the task being built
};

} // namespace Starters

//------------------------------------------------------------------ Flushers

namespace Flushers
{

// The task runs once and is deleted.
struct Once
{
    static FlushResult Result() { return Delete; }      // what Flush answers
};

// The task runs again after every other task in the queue, for as long as
// the handler lives.
struct Repeat
{
    static FlushResult Result() { return RequeueBack; } // what Flush answers
};

} // namespace Flushers

//------------------------------------------------------------------ CTask

// A task that calls its callable with no argument; the starter queues it as
// it is built, the flusher decides whether it runs again.
template <typename Starter, typename Flusher, typename Callable>
class CTask : public IBaseTask, public Starter, public Flusher
{
public:
    explicit CTask(const Callable& callable) : m_callable(callable) { Starter::Register(this); }  // queued at once

    FlushResult Flush(double) override { return Flusher::Result(); }   // as the flusher says
    double      StartTime() const override { return 0.0; }     // never waits
    void        Execute(double) override { m_callable(); }     // calls the callable

private:
    Callable m_callable;                    // copy of what the creator handed over
};

//------------------------------------------------------------------ CRecurringTask

// A task that runs for as long as the handler lives and calls its callable
// once per whole period of the handler's time gone by, with the period.
template <typename Callable>
class CRecurringTask : public IBaseTask, public Starters::Immediate
{
public:
    // Queued at once; the first period starts now.
    CRecurringTask(const Callable& callable, double period)
        : m_last(ElapsedTime()), m_period(period), m_callable(callable)
    {
        Starters::Immediate::Register(this);
    }

    FlushResult Flush(double) override { return RequeueBack; }  // always runs again
    double      StartTime() const override { return 0.0; }     // never waits

    // Fixed steps: a gap of exactly one period runs nothing, the remainder of
    // a partial period stays pending for the next run.
    void Execute(double now) override
    {
        while (now - m_last > m_period)
        {
            m_last += m_period;
            m_callable(m_period);
        }
    }

private:
    double   m_last;                        // seconds; time of the last step
    double   m_period;                      // seconds; length of one step
    Callable m_callable;                    // called with the period per step
};

//------------------------------------------------------------------ Queue

// Every task registers itself with the handler as it is made, and from then
// on the handler owns it and deletes it when its flusher says so. The task is
// returned only for callers that mark it; nobody else keeps or deletes it.
template <typename TaskType, typename... Arguments>
TaskType* Queue(Arguments&&... arguments)
{
    return new TaskType(std::forward<Arguments>(arguments)...);
}

} // namespace Tasks
