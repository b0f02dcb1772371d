#pragma once

#include <cstdint>
#include <string>

// The arena's command line.
struct ArenaOptions
{
    int           m_red;                    // difficulty of the Red side, 1..4
    int           m_white;                  // difficulty of the White side, 1..4
    std::uint32_t m_seed;                   // shuffle seed of the first game; game i uses m_seed + i
    int           m_games;                  // games to play, at least 1
    bool          m_trace;                  // print every action of every game
    bool          m_help;                   // print the usage and play nothing
    std::string   m_records;                // folder each game's record is written to; "" writes none
};

extern const char* const g_arenaUsage;      // what --help prints

// Fills options from the arguments; on a mistake returns false with a
// message saying which argument is wrong.
bool ParseArenaOptions(int argc, const char* const* argv, ArenaOptions& options, std::string& error);
