#include "game/rules/RecordFormat.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace
{

const char* const kMagic = "valdmoor-record";
const std::size_t kMaxLine = 100;           // characters; the longest real line has about 30
const int kHighestLevel = 4;
const unsigned long kHighestScore = 81 * 81;    // the whole board one group

const char* SideName(PlayerID side)
{
    return side == Red ? "red" : "white";
}

std::string SeatText(PlayerID side, int level)
{
    std::string text = SideName(side);
    if (level == PersonLevel)
        return text + " person";
    return text + " computer " + std::to_string(level);
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// Plain decimal digits only: no sign, no spaces, no overflow past 32 bits.
bool ReadNumber(const std::string& word, unsigned long highest, unsigned long& value)
{
    if (word.empty() || word.size() > 10 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    value = std::strtoul(word.c_str(), nullptr, 10);
    return errno == 0 && value <= highest;
}

bool ReadSide(const std::string& word, PlayerID& side)
{
    if (word != "red" && word != "white")
        return false;
    side = word == "red" ? Red : White;
    return true;
}

// The record's lines, each checked to be short printable text; blank lines
// and comments are left out, each kept line numbered as in the file.
struct NumberedLine
{
    int         m_number;
    std::string m_text;
};

bool SplitLines(const std::string& text, std::vector<NumberedLine>& lines, RecordError& error)
{
    if (text.size() > RecordMaxBytes)
    {
        error = {0, "larger than " + std::to_string(RecordMaxBytes) + " bytes, far more than any game"};
        return false;
    }
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number)
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > kMaxLine)
        {
            error = {number, "line longer than " + std::to_string(kMaxLine) + " characters"};
            return false;
        }
        for (const char c : line)
        {
            if ((c < ' ' || c > '~') && c != '\t')
            {
                error = {number, "not text (a byte that no record holds)"};
                return false;
            }
        }
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        lines.push_back({number, line});
    }
    return true;
}

bool ParseVersion(const NumberedLine& line, RecordError& error)
{
    const std::vector<std::string> words = Words(line.m_text);
    unsigned long version = 0;
    if (line.m_number != 1 || words.size() != 2 || words[0] != kMagic || !ReadNumber(words[1], 1000000, version) ||
        version == 0)
    {
        error = {line.m_number, "not a Valdmoor game record (the first line is not \"valdmoor-record 1\")"};
        return false;
    }
    if (version > static_cast<unsigned long>(RecordVersion))
    {
        error = {line.m_number, "written by a newer Valdmoor (format " + std::to_string(version) +
                                    "; this one reads format " + std::to_string(RecordVersion) + ")"};
        return false;
    }
    return true;
}

bool ParseSeat(const NumberedLine& line, PlayerID side, GameRecord& record, RecordError& error)
{
    const std::vector<std::string> words = Words(line.m_text);
    PlayerID named = Red;
    unsigned long level = 0;
    const bool person = words.size() == 2 && words[1] == "person";
    const bool computer = words.size() == 3 && words[1] == "computer" && ReadNumber(words[2], kHighestLevel, level) &&
                          level >= 1;
    if (words.empty() || !ReadSide(words[0], named) || named != side || !(person || computer))
    {
        error = {line.m_number, std::string("expected \"") + SideName(side) + " person\" or \"" + SideName(side) +
                                    " computer <level 1 to 4>\""};
        return false;
    }
    record.m_levels[side] = person ? PersonLevel : static_cast<int>(level);
    return true;
}

bool ParseDeal(const NumberedLine& line, GameRecord& record, RecordError& error)
{
    const std::vector<std::string> words = Words(line.m_text);
    unsigned long seed = 0;
    if (words.size() != 2 || words[0] != "deal" || !ReadNumber(words[1], 0xFFFFFFFFul, seed))
    {
        error = {line.m_number, "expected \"deal <seed>\""};
        return false;
    }
    record.m_dealSeed = static_cast<unsigned>(seed);
    return true;
}

bool ParseAction(const std::vector<std::string>& words, GameAction& action)
{
    unsigned long number = 0;
    if (words.size() < 2 || !ReadSide(words[0], action.m_side))
        return false;
    action = GameAction{action.m_side, SkipAction, -1, false, 0};
    if (words[1] == "play" && words.size() == 3 && ReadNumber(words[2], HandSize, number) && number >= 1)
    {
        action.m_kind = PlayAction;
        action.m_slot = static_cast<int>(number) - 1;
        return true;
    }
    if (words[1] == "draw" && words.size() == 2)
    {
        action.m_kind = DrawAction;
        return true;
    }
    if (words[1] == "draw" && words.size() == 4 && words[2] == "shuffle" && ReadNumber(words[3], 0xFFFFFFFFul, number))
    {
        action = GameAction{action.m_side, DrawAction, -1, true, static_cast<unsigned>(number)};
        return true;
    }
    return words[1] == "skip" && words.size() == 2;
}

bool ParseResult(const std::vector<std::string>& words, GameRecord& record)
{
    const unsigned long highest = kHighestScore;
    unsigned long red = 0;
    unsigned long white = 0;
    if (words.size() != 3 || words[0] != "result" || !ReadNumber(words[1], highest, red) ||
        !ReadNumber(words[2], highest, white))
        return false;
    record.m_finished = true;
    record.m_scores[Red] = static_cast<int>(red);
    record.m_scores[White] = static_cast<int>(white);
    return true;
}

} // namespace

std::string RecordText(const GameRecord& record)
{
    std::string text = std::string(kMagic) + " " + std::to_string(RecordVersion) + "\n";
    text += SeatText(Red, record.m_levels[Red]) + "\n";
    text += SeatText(White, record.m_levels[White]) + "\n";
    text += "deal " + std::to_string(record.m_dealSeed) + "\n";
    for (const GameAction& action : record.m_actions)
        text += ActionWords(action) + (action.m_shuffled ? " shuffle " + std::to_string(action.m_seed) : "") + "\n";
    if (record.m_finished)
        text += "result " + std::to_string(record.m_scores[Red]) + " " + std::to_string(record.m_scores[White]) + "\n";
    return text;
}

std::string ActionWords(const GameAction& action)
{
    const std::string side = SideName(action.m_side);
    if (action.m_kind == PlayAction)
        return side + " play " + std::to_string(action.m_slot + 1);
    return side + (action.m_kind == DrawAction ? " draw" : " skip");
}

bool ParseRecord(const std::string& text, GameRecord& record, RecordError& error)
{
    std::vector<NumberedLine> lines;
    if (!SplitLines(text, lines, error))
        return false;
    record = NewRecord(PersonLevel, PersonLevel, 0);
    const char* const header[] = {"the version line", "Red's seat", "White's seat", "the deal"};
    for (std::size_t part = 0; part < 4; ++part)
    {
        if (part >= lines.size())
        {
            error = {lines.empty() ? 1 : lines.back().m_number + 1,
                     std::string("the record ends before ") + header[part]};
            return false;
        }
        const NumberedLine& line = lines[part];
        const bool read = part == 0   ? ParseVersion(line, error)
                          : part == 1 ? ParseSeat(line, Red, record, error)
                          : part == 2 ? ParseSeat(line, White, record, error)
                                      : ParseDeal(line, record, error);
        if (!read)
            return false;
    }

    for (std::size_t index = 4; index < lines.size(); ++index)
    {
        const std::vector<std::string> words = Words(lines[index].m_text);
        if (record.m_finished)
        {
            error = {lines[index].m_number, "a line after the result"};
            return false;
        }
        if (ParseResult(words, record))
        {
            record.m_resultLine = lines[index].m_number;
            continue;
        }
        GameAction action{Red, SkipAction, -1, false, 0};
        if (!ParseAction(words, action))
        {
            error = {lines[index].m_number,
                     "expected an action (\"red play 3\", \"white draw\", \"red skip\") or \"result <red> <white>\""};
            return false;
        }
        record.m_actions.push_back(action);
        record.m_actionLines.push_back(lines[index].m_number);
    }
    return true;
}
