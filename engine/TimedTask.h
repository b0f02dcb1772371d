#pragma once

#include "engine/Task.h"

namespace Tasks
{

// A one-shot task that waits in the handler's wait list until the handler's
// time has passed its start time, then runs at the front of the run queue.
// Start times are on the ElapsedTime() clock, which the handler's time follows.
template <typename Callable>
class CTimedTask : public IBaseTask
{
public:
    // Goes to the wait list at once; start is in seconds.
    CTimedTask(const Callable& callable, double start) : m_start(start), m_callable(callable)
    {
        AddTask(this, InsertTimed);
    }

    FlushResult Flush(double) override { return Delete; }    // runs once
    double      StartTime() const override { return m_start; }     // due once the handler's time is past it
    void        Execute(double) override { m_callable(); }     // calls the callable

private:
    double   m_start;                       // seconds; due once the handler's time is past it
    Callable m_callable;                    // copy of what the creator handed over
};

} // namespace Tasks
