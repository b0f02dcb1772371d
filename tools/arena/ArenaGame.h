#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "game/rules/GameRecord.h"

// One complete game between two levels of the search, with the game's own
// rules; Red is played by the search on the colour-exchanged position.
struct ArenaGame
{
    int                 m_score[2];         // final scores, Red's then White's
    std::vector<double> m_decisions[2];     // milliseconds each decision of Red, then of White, took
    GameRecord          m_record;           // the game as the window keeps its own, to open there
};

// Every shuffle of the game is seeded with seed. With trace, each action and
// the final scores are written to out. Returns false with a message if the
// rules refuse an action the search chose.
bool PlayArenaGame(int redLevel, int whiteLevel, std::uint32_t seed, bool trace, std::ostream& out,
                   ArenaGame& game, std::string& error);
