#include "engine/Clock.h"

#include "engine/Callables.h"
#include "engine/Log.h"
#include "engine/TaskHandler.h"
#include "engine/Time.h"

float              g_frameDelta      = 0.0f;
double             g_lastFrameTime   = 0.0;
double             g_nextSecond      = 0.0;
std::uint16_t      g_frameCount      = 0;
std::uint16_t      g_framesPerSecond = 0;
std::list<CClock*> g_clocks;
CClock*            g_mainClock       = nullptr;

CClock::CClock(float speed) : m_time(0.0), m_delta(0.0f), m_speed(speed), m_task(nullptr)
{
    g_clocks.push_back(this);
    m_task = new Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Repeat, Functor0<CClock>>(
        Functor0<CClock>(this, &CClock::OnTick));
    Tasks::MarkRoutine(m_task);
}

CClock::~CClock()
{
    g_clocks.remove(this);
    CTaskHandler::Instance()->RemoveTask(m_task);
}

// The clock's time moves in Advance; the task only keeps its place in every pass.
void CClock::OnTick() {}

void CClock::Advance(float frameDelta)
{
    const float step = m_speed * frameDelta;
    m_delta = step;
    m_time += step;
}

double CClock::Time() const
{
    return m_time;
}

float CClock::Delta() const
{
    return m_delta;
}

void InitClocks()
{
    g_frameDelta = 0.0f;
    g_mainClock = new CClock(1.0f);
}

void UpdateTiming()
{
    const double now = ElapsedTime();
    g_frameDelta = static_cast<float>(now - g_lastFrameTime);
    g_lastFrameTime = now;

    // The mark moves one second per run, so after a long pause it takes one
    // run per missed second to catch up.
    if (g_nextSecond <= now)
    {
        g_nextSecond += 1.0;
        g_framesPerSecond = g_frameCount;
        g_frameCount = 0;
    }
    else
    {
        ++g_frameCount;
    }

    CTaskHandler::Instance()->SetTime(now);
    for (CClock* clock : g_clocks)
        clock->Advance(g_frameDelta);
}

// The main clock is expected to be left over; only the others are reported.
void CleanupClocks()
{
    if (g_clocks.size() > 1)
    {
        g_engineLog.SetLevel(Warning);
        g_engineLog << static_cast<std::uint32_t>(g_clocks.size() - 1) << " clocks not deleted.";
        g_engineLog.Commit();
    }
    while (!g_clocks.empty())
    {
        CClock* clock = g_clocks.front();
        g_clocks.pop_front();
        delete clock;
    }
    g_mainClock = nullptr;
}
