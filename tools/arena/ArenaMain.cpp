#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "game/rules/Player.h"
#include "game/rules/RecordFormat.h"
#include "tools/arena/ArenaGame.h"
#include "tools/arena/ArenaOptions.h"

namespace
{

struct SideTotals
{
    int                 m_wins;
    int                 m_draws;
    int                 m_losses;
    long long           m_scores;           // sum of the final scores
    std::vector<double> m_decisions;        // milliseconds of every decision
};

// The value below which the given share of the sorted times lies.
double Percentile(const std::vector<double>& sorted, double share)
{
    if (sorted.empty())
        return 0.0;
    const std::size_t index = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[index];
}

void PrintSide(const char* name, int level, SideTotals& side, int games)
{
    std::sort(side.m_decisions.begin(), side.m_decisions.end());
    const double maximum = side.m_decisions.empty() ? 0.0 : side.m_decisions.back();
    std::printf("%-6s %5d %6d %6d %7d %10.2f %10.3f %10.3f %10.3f\n", name, level, side.m_wins, side.m_draws,
                side.m_losses, static_cast<double>(side.m_scores) / games, Percentile(side.m_decisions, 0.5),
                Percentile(side.m_decisions, 0.99), maximum);
}

bool WriteRecord(const std::string& folder, std::uint32_t seed, const GameRecord& record, std::string& error)
{
    const std::string path = folder + "/" + std::to_string(seed) + ".record";
    std::ofstream file(path, std::ios::binary);
    file << RecordText(record);
    file.close();
    if (!file)
        error = "cannot write " + path;
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char** argv)
{
    ArenaOptions options;
    std::string error;
    if (!ParseArenaOptions(argc, argv, options, error))
    {
        std::fprintf(stderr, "valdmoor-arena: %s\nTry 'valdmoor-arena --help'.\n", error.c_str());
        return 2;
    }
    if (options.m_help)
    {
        std::fputs(g_arenaUsage, stdout);
        return 0;
    }

    SideTotals sides[2] = {};
    for (int i = 0; i < options.m_games; ++i)
    {
        const std::uint32_t seed = options.m_seed + static_cast<std::uint32_t>(i);
        ArenaGame game;
        if (!PlayArenaGame(options.m_red, options.m_white, seed, options.m_trace, std::cout, game, error))
        {
            std::cout.flush();
            std::fprintf(stderr, "valdmoor-arena: game with seed %u: %s\n", seed, error.c_str());
            return 1;
        }
        if (!options.m_records.empty() && !WriteRecord(options.m_records, seed, game.m_record, error))
        {
            std::fprintf(stderr, "valdmoor-arena: %s\n", error.c_str());
            return 1;
        }
        const int red = game.m_score[Red];
        const int white = game.m_score[White];
        sides[Red].m_wins += red > white;
        sides[Red].m_losses += red < white;
        sides[White].m_wins += white > red;
        sides[White].m_losses += white < red;
        for (SideTotals& side : sides)
            side.m_draws += red == white;
        for (PlayerID player : { Red, White })
        {
            sides[player].m_scores += game.m_score[player];
            sides[player].m_decisions.insert(sides[player].m_decisions.end(), game.m_decisions[player].begin(),
                                             game.m_decisions[player].end());
        }
    }
    std::cout.flush();

    std::printf("%d games, seeds %u to %u\n", options.m_games, options.m_seed,
                options.m_seed + static_cast<std::uint32_t>(options.m_games - 1));
    std::printf("%-6s %5s %6s %6s %7s %10s %10s %10s %10s\n", "side", "level", "wins", "draws", "losses",
                "avg score", "median ms", "p99 ms", "max ms");
    PrintSide("Red", options.m_red, sides[Red], options.m_games);
    PrintSide("White", options.m_white, sides[White], options.m_games);
    return 0;
}
