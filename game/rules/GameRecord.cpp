#include "game/rules/GameRecord.h"

GameRecord NewRecord(int redLevel, int whiteLevel, unsigned dealSeed)
{
    GameRecord record;
    record.m_levels[Red] = redLevel;
    record.m_levels[White] = whiteLevel;
    record.m_dealSeed = dealSeed;
    record.m_finished = false;
    record.m_scores[Red] = 0;
    record.m_scores[White] = 0;
    record.m_resultLine = 0;
    return record;
}
