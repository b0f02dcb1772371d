#include "game/ResultsLabel.h"

#include "game/GameArchive.h"
#include "game/Match.h"
#include "game/Settings.h"

CResultsLabel::CResultsLabel(int x, int y, const CMatch* match, int level)
    : GUI::CLabel(x, y, ""), m_match(match), m_level(level)
{
}

bool CResultsLabel::Draw()
{
    const CGameArchive* archive = m_match->Archive();
    m_text = archive ? archive->m_results.Summary(m_level) : "";
    if (m_level != PersonLevel && m_level == g_settings.m_difficulty)
        m_text += m_text.empty() ? "(played last)" : " (played last)";
    return GUI::CLabel::Draw();
}
