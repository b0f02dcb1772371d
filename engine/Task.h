#pragma once

// Index of this file:
//   Task interface   - what the handler runs
//   Starters         - where a new task enters the run queue
//   Flushers         - what becomes of a task after it ran
//   CTask            - a task made of one starter, one flusher and a callable
//   CRecurringTask   - a fixed-step task that catches up on lost time
//   Queue            - makes a task that belongs to the handler from then on

#include <utility>

#include "engine/Time.h"

namespace Tasks
{

//------------------------------------------------------------------ Task interface

enum FlushResult
{
    Delete       = 0,
    RequeueFront = 1,
    RequeueBack  = 2,
    Wait         = 3
};

enum InsertMode
{
    InsertFront = 1,
    InsertBack  = 2,
    InsertTimed = 3
};

class IBaseTask
{
public:
    virtual FlushResult Flush(double now) = 0;
    virtual double      StartTime() const = 0;      // when a waiting task becomes due
    virtual void        Execute(double now) = 0;
    virtual ~IBaseTask() {}
};

// Defined with the handler; kept apart so that this header needs no more than
// a declaration of it.
void AddTask(IBaseTask* task, InsertMode mode);

// A routine task repeats every pass and changes nothing on screen by itself;
// a frame after a pass of routine tasks only has nothing new to draw.
void MarkRoutine(IBaseTask* task);

//------------------------------------------------------------------ Starters

namespace Starters
{

struct Immediate
{
    static void Register(IBaseTask* task) { AddTask(task, InsertFront); }
};

// The running task has already left the queue, so a front insertion made while
// it runs lands right after it.
struct AfterCurrent
{
    static void Register(IBaseTask* task) { AddTask(task, InsertFront); }
};

struct Bottom
{
    static void Register(IBaseTask* task) { AddTask(task, InsertBack); }
};

} // namespace Starters

//------------------------------------------------------------------ Flushers

namespace Flushers
{

struct Once
{
    static FlushResult Result() { return Delete; }
};

struct Repeat
{
    static FlushResult Result() { return RequeueBack; }
};

} // namespace Flushers

//------------------------------------------------------------------ CTask

template <typename Starter, typename Flusher, typename Callable>
class CTask : public IBaseTask, public Starter, public Flusher
{
public:
    explicit CTask(const Callable& callable) : m_callable(callable) { Starter::Register(this); }

    FlushResult Flush(double) override { return Flusher::Result(); }
    double      StartTime() const override { return 0.0; }
    void        Execute(double) override { m_callable(); }

private:
    Callable m_callable;                    // copy of what the creator handed over
};

//------------------------------------------------------------------ CRecurringTask

template <typename Callable>
class CRecurringTask : public IBaseTask, public Starters::Immediate
{
public:
    CRecurringTask(const Callable& callable, double period)
        : m_last(ElapsedTime()), m_period(period), m_callable(callable)
    {
        Starters::Immediate::Register(this);
    }

    FlushResult Flush(double) override { return RequeueBack; }
    double      StartTime() const override { return 0.0; }

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
