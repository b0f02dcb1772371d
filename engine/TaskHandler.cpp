#include "engine/TaskHandler.h"

#include <algorithm>
#include <cassert>
#include <limits>

void Tasks::AddTask(IBaseTask* task, InsertMode mode)
{
    CTaskHandler::Instance()->AddTask(task, mode);
}

void Tasks::MarkRoutine(IBaseTask* task)
{
    CTaskHandler::Instance()->MarkRoutine(task);
}

CTaskHandler::CTaskHandler() : m_now(0.0), m_running(false), m_activity(false) {}

CTaskHandler::~CTaskHandler()
{
    for (Tasks::IBaseTask* task : m_runQueue)
        delete task;
    for (Tasks::IBaseTask* task : m_waitList)
        delete task;
    // A task is left here only when its Execute threw and ended the loop.
    for (Tasks::IBaseTask* task : m_executing)
        delete task;
    m_runQueue.clear();
    m_waitList.clear();
}

void CTaskHandler::AddTask(Tasks::IBaseTask* task, Tasks::InsertMode mode)
{
    assert(task->MadeWithNew() && "the handler deletes its tasks");
    switch (mode)
    {
    case Tasks::InsertFront:
        m_runQueue.push_front(task);
        break;
    case Tasks::InsertBack:
        m_runQueue.push_back(task);
        break;
    case Tasks::InsertTimed:
    {
        TaskList holder(1, task);
        InsertTimed(holder, holder.begin());
        break;
    }
    }
}

void CTaskHandler::RemoveTask(Tasks::IBaseTask* task)
{
    m_runQueue.remove(task);
    Forget(task);
    delete task;
}

void CTaskHandler::SetTime(double now)
{
    m_now = now;
}

void CTaskHandler::Tick()
{
    if (m_runQueue.empty())
        return;

    m_executing.splice(m_executing.end(), m_runQueue, m_runQueue.begin());
    Tasks::IBaseTask* task = m_executing.back();
    task->Execute(m_now);
    if (!IsRoutine(task))
        m_activity = true;

    switch (task->Flush(m_now))
    {
    case Tasks::Delete:
        m_executing.pop_back();
        Forget(task);
        delete task;
        break;
    case Tasks::RequeueFront:
        m_runQueue.splice(m_runQueue.begin(), m_executing, std::prev(m_executing.end()));
        break;
    case Tasks::RequeueBack:
        m_runQueue.splice(m_runQueue.end(), m_executing, std::prev(m_executing.end()));
        break;
    case Tasks::Wait:
        InsertTimed(m_executing, std::prev(m_executing.end()));
        break;
    }

    // Each due task goes to the front, so tasks that fall due together run
    // latest start time first.
    while (!m_waitList.empty() && m_waitList.front()->StartTime() < m_now)
    {
        m_runQueue.splice(m_runQueue.begin(), m_waitList, m_waitList.begin());
        m_activity = true;
    }
}

void CTaskHandler::Stop()
{
    m_running = false;
}

void CTaskHandler::Start()
{
    m_running = true;
}

bool CTaskHandler::IsRunning() const
{
    return m_running;
}

void CTaskHandler::MarkRoutine(Tasks::IBaseTask* task)
{
    m_routine.push_back(task);
}

bool CTaskHandler::TakeActivity()
{
    const bool activity = m_activity;
    m_activity = false;
    return activity;
}

double CTaskHandler::NextStart() const
{
    return m_waitList.empty() ? std::numeric_limits<double>::infinity() : m_waitList.front()->StartTime();
}

std::size_t CTaskHandler::QueuedCount() const
{
    return m_runQueue.size();
}

std::size_t CTaskHandler::WaitingCount() const
{
    return m_waitList.size();
}

// A new task goes ahead of waiting tasks with an equal start time.
void CTaskHandler::InsertTimed(TaskList& holder, TaskList::iterator node)
{
    const double start = (*node)->StartTime();
    TaskList::iterator place = m_waitList.begin();
    while (place != m_waitList.end() && (*place)->StartTime() < start)
        ++place;
    m_waitList.splice(place, holder, node);
}

bool CTaskHandler::IsRoutine(const Tasks::IBaseTask* task) const
{
    return std::find(m_routine.begin(), m_routine.end(), task) != m_routine.end();
}

// A deleted task's address may come back for a new task, which must not
// inherit the mark.
void CTaskHandler::Forget(const Tasks::IBaseTask* task)
{
    const auto found = std::find(m_routine.begin(), m_routine.end(), task);
    if (found != m_routine.end())
        m_routine.erase(found);
}
