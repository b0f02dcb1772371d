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
    CTaskHandler();                         // stopped, no task, time 0
    ~CTaskHandler() override;               // deletes every task still held

    void AddTask(Tasks::IBaseTask* task, Tasks::InsertMode mode);   // takes ownership; tasks call it as they are built
    void RemoveTask(Tasks::IBaseTask* task);    // takes a task out of the run queue and deletes it
    void SetTime(double now);               // seconds; the time the next ticks run with and wake by
    void Tick();                            // runs the front task, flushes it, wakes the tasks due
    void Stop();                            // the main loop ends after the current tick
    void Start();                           // lets the main loop run
    bool IsRunning() const;                 // whether the main loop goes on

    void MarkRoutine(Tasks::IBaseTask* task);   // the task's runs count as no activity; see TakeActivity
    bool TakeActivity();                    // whether a task not marked routine ran, or a waiting
                                            // task fell due, since the last call

    double NextStart() const;               // seconds; the earliest start time waiting, infinity for none

    std::size_t QueuedCount() const;        // tasks in the run queue; for tests
    std::size_t WaitingCount() const;       // tasks in the wait list; for tests

private:
    typedef std::list<Tasks::IBaseTask*> TaskList;  // owned tasks, in running order

    void InsertTimed(TaskList& holder, TaskList::iterator node);   // moves the node into the wait list
    bool IsRoutine(const Tasks::IBaseTask* task) const;
    void Forget(const Tasks::IBaseTask* task);  // drops a task's routine mark before it is deleted

    double   m_now;                         // seconds; handed to every Execute and Flush
    TaskList m_runQueue;                    // front first
    TaskList m_waitList;                    // ascending StartTime()
    bool     m_running;                     // the main loop goes on while set
    TaskList m_executing;                   // holds the running task's list node, so a
                                            // requeue moves it without allocating
    std::vector<const Tasks::IBaseTask*> m_routine;   // not owned; the tasks marked routine
    bool     m_activity;                    // see TakeActivity
};
