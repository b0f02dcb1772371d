#include "engine/FramePacer.h"

#include <algorithm>

namespace
{

// A swap that takes at least this share of a frame waited for the display.
const double kWaitingSwapShare = 0.5;

} // namespace

CFramePacer::CFramePacer(double period)
    : m_period(period), m_lastStart(-1.0), m_lastSwapped(false), m_swapWaited(false)
{
}

void CFramePacer::SetPeriod(double period)
{
    m_period = period;
}

double CFramePacer::Delay(double now, bool pending, double taskDue) const
{
    if (m_lastStart < 0.0 || (m_lastSwapped && m_swapWaited) || (pending && !m_lastSwapped))
        return 0.0;
    const double due = std::min(m_lastStart + m_period, taskDue);
    return due > now ? due - now : 0.0;
}

void CFramePacer::FrameStarted(double now)
{
    m_lastStart = now;
}

void CFramePacer::Swapped(double seconds)
{
    m_lastSwapped = true;
    m_swapWaited = seconds >= kWaitingSwapShare * m_period;
}

void CFramePacer::Skipped()
{
    m_lastSwapped = false;
    m_swapWaited = false;
}

bool CFramePacer::Idle() const
{
    return m_lastStart >= 0.0 && !m_lastSwapped;
}
