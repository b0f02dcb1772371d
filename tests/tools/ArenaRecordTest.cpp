#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/rules/RecordFormat.h"
#include "game/rules/Replay.h"
#include "tools/arena/ArenaGame.h"

namespace
{

// The arena writes its games in the window's format: each record, read back
// and replayed through the rules, ends on the scores the arena counted.
TEST(ArenaRecord, TwoHundredArenaGamesReplayFromTheirRecordsToTheirScores)
{
    for (std::uint32_t seed = 1; seed <= 200; ++seed)
    {
        ArenaGame game;
        std::ostringstream trace;
        std::string error;
        ASSERT_TRUE(PlayArenaGame(3, 2, seed, false, trace, game, error)) << error;
        GameRecord record;
        RecordError problem{0, ""};
        ASSERT_TRUE(ParseRecord(RecordText(game.m_record), record, problem)) << problem.m_cause;
        EXPECT_EQ(record.m_levels[Red], 3);
        EXPECT_EQ(record.m_levels[White], 2);
        EXPECT_TRUE(CheckRecord(record, problem)) << "seed " << seed << ", line " << problem.m_line << ": "
                                                  << problem.m_cause;
        EXPECT_EQ(record.m_scores[Red], game.m_score[Red]) << "seed " << seed;
        EXPECT_EQ(record.m_scores[White], game.m_score[White]) << "seed " << seed;
    }
}

} // namespace
