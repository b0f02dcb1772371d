#include "tools/arena/ArenaOptions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

const char* const g_arenaUsage =
    "Usage: valdmoor-arena --red LEVEL --white LEVEL --seed S [--games N] [--trace]\n"
    "                      [--records DIR]\n"
    "\n"
    "Plays complete games of Valdmoor between two computer players, with no\n"
    "window, and prints a table of the results.\n"
    "\n"
    "  --red LEVEL    difficulty of the Red side: 1 Easy, 2 Medium, 3 Hard,\n"
    "                 4 Expert.\n"
    "                 Red moves first; it is played by the same search as\n"
    "                 White, on the position with the colours exchanged.\n"
    "  --white LEVEL  difficulty of the White side: 1, 2, 3 or 4.\n"
    "  --seed S       shuffle seed of the first game, 0..4294967295. Game i\n"
    "                 (counted from 0) uses S + i, modulo 2^32, for every\n"
    "                 shuffle it makes, the refills included, as if the\n"
    "                 whole game took place within one second.\n"
    "  --games N      number of games, 1 to 1000000000 (default 1).\n"
    "  --trace        print each game's actions, one line each, numbered from\n"
    "                 1 within the game:\n"
    "                   <n> <Red|White> play <slot 1..5> <card 0..23>\n"
    "                   <n> <Red|White> draw <card>\n"
    "                   <n> <Red|White> skip\n"
    "                 then a last line: end <Red score> <White score>.\n"
    "  --records DIR  write each game to DIR/<seed>.record, a game record that\n"
    "                 `valdmoor FILE` opens for review (docs/game-record.md).\n"
    "  --help         print this text and exit.\n"
    "\n"
    "The table gives, per side, its level, wins, draws and losses, average\n"
    "final score, and the time of its decisions in milliseconds (median,\n"
    "99th percentile and maximum over every decision of every game).\n"
    "\n"
    "Exit status: 0 after the table or the help, 2 for a bad argument, 1 if a\n"
    "computer action is refused by the rules.\n";

namespace
{

// Whole decimal numbers only: no sign, no blanks, nothing after the digits.
bool ParseNumber(const char* text, unsigned long long limit, unsigned long long& value)
{
    if (*text < '0' || *text > '9')
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0' && value <= limit;
}

bool ParseLevel(const char* text, int& level)
{
    unsigned long long value = 0;
    if (!ParseNumber(text, 4, value) || value < 1)
        return false;
    level = static_cast<int>(value);
    return true;
}

// The value of one of the four options that take one; name is one of them.
bool ParseValue(const std::string& name, const char* value, ArenaOptions& options, bool& seedGiven,
                std::string& error)
{
    unsigned long long number = 0;
    if (name == "--red" && !ParseLevel(value, options.m_red))
    {
        error = "--red takes a level 1, 2, 3 or 4, not '" + std::string(value) + "'";
        return false;
    }
    if (name == "--white" && !ParseLevel(value, options.m_white))
    {
        error = "--white takes a level 1, 2, 3 or 4, not '" + std::string(value) + "'";
        return false;
    }
    if (name == "--seed")
    {
        if (!ParseNumber(value, 0xFFFFFFFFull, number))
        {
            error = "--seed takes a whole number 0..4294967295, not '" + std::string(value) + "'";
            return false;
        }
        options.m_seed = static_cast<std::uint32_t>(number);
        seedGiven = true;
    }
    if (name == "--games")
    {
        if (!ParseNumber(value, 1000000000ull, number) || number < 1)
        {
            error = "--games takes a whole number 1..1000000000, not '" + std::string(value) + "'";
            return false;
        }
        options.m_games = static_cast<int>(number);
    }
    return true;
}

} // namespace

bool ParseArenaOptions(int argc, const char* const* argv, ArenaOptions& options, std::string& error)
{
    options = ArenaOptions{ 0, 0, 0, 1, false, false, "" };
    bool seedGiven = false;
    for (int i = 1; i < argc; ++i)
    {
        const std::string name = argv[i];
        if (name == "--help")
        {
            options.m_help = true;
            return true;
        }
        if (name == "--trace")
        {
            options.m_trace = true;
            continue;
        }
        if (name == "--records" && i + 1 < argc)
        {
            options.m_records = argv[++i];
            continue;
        }
        if (name != "--red" && name != "--white" && name != "--seed" && name != "--games" && name != "--records")
        {
            error = "unknown argument '" + name + "'";
            return false;
        }
        if (i + 1 == argc)
        {
            error = name + " needs a value";
            return false;
        }
        if (!ParseValue(name, argv[++i], options, seedGiven, error))
            return false;
    }
    if (options.m_red == 0 || options.m_white == 0 || !seedGiven)
    {
        error = "--red, --white and --seed are required";
        return false;
    }
    return true;
}
