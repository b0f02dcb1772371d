#include "game/KingSlide.h"

#include "game/rules/GameState.h"

CKingSlide::CKingSlide() : m_from(0), m_to(0), m_coveredCell(0), m_start(0.0), m_sliding(false)
{
}

void CKingSlide::Start(int from, int to, int coveredCell, double now)
{
    m_from = from;
    m_to = to;
    m_coveredCell = coveredCell;
    m_start = now;
    m_sliding = true;
}

void CKingSlide::Land()
{
    m_sliding = false;
}

bool CKingSlide::Sliding(double now) const
{
    return m_sliding && now - m_start < KingSlideSeconds;
}

// Eased out, so the king slows as it arrives and the landing reads clearly.
void CKingSlide::Place(double now, float& row, float& column) const
{
    const int to[2] = {m_to / BoardSize, m_to % BoardSize};
    if (!Sliding(now))
    {
        row = static_cast<float>(to[0]);
        column = static_cast<float>(to[1]);
        return;
    }
    const int from[2] = {m_from / BoardSize, m_from % BoardSize};
    const double t = (now - m_start) / KingSlideSeconds;
    const float share = static_cast<float>(1.0 - (1.0 - t) * (1.0 - t));
    row = static_cast<float>(from[0]) + (to[0] - from[0]) * share;
    column = static_cast<float>(from[1]) + (to[1] - from[1]) * share;
}

int CKingSlide::Target() const
{
    return m_to;
}

int CKingSlide::CoveredCell() const
{
    return m_coveredCell;
}
