#pragma once

#include <list>
#include <vector>

#include "engine/Singleton.h"
#include "engine/Task.h"

// The scheduler and body of the main loop: one task per tick, taken from the
// front of the run queue. Owns every task in either list.
class CTaskHandler : public ISingleton<CTaskHandler>
{
public:
    CTaskHandler();
    ~CTaskHandler() override;

    void AddTask(Tasks::IBaseTask* task, Tasks::InsertMode mode);
    void RemoveTask(Tasks::IBaseTask* task);
    void SetTime(double now);
    void Tick();
    void Stop();
    void Start();
    bool IsRunning() const;

    void MarkRoutine(Tasks::IBaseTask* task);
    bool TakeActivity();                    // whether a task not marked routine ran, or a waiting
                                            // task fell due, since the last call

    std::size_t QueuedCount() const;        // tasks in the run queue; for tests
    std::size_t WaitingCount() const;       // tasks in the wait list; for tests

private:
    typedef std::list<Tasks::IBaseTask*> TaskList;

    void InsertTimed(TaskList& holder, TaskList::iterator node);
    bool IsRoutine(const Tasks::IBaseTask* task) const;
    void Forget(const Tasks::IBaseTask* task);

    double   m_now;                         // seconds; handed to every Execute and Flush
    TaskList m_runQueue;                    // front first
    TaskList m_waitList;                    // ascending StartTime()
    bool     m_running;                     // the main loop goes on while set
    TaskList m_executing;                   // holds the running task's list node, so a
                                            // requeue moves it without allocating
    std::vector<const Tasks::IBaseTask*> m_routine;   // not owned; the tasks marked routine
    bool     m_activity;                    // see TakeActivity
};
