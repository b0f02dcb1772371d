#include "game/Results.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "game/PlayerFiles.h"

namespace
{

const char* const kHeader = "valdmoor-results 1";
const std::size_t kMaxBytes = 4096;         // the file holds five short lines
const int kMaxCount = 100000000;            // games; keeps the sums far from overflowing

bool ReadCount(std::istringstream& words, int& value)
{
    std::string word;
    if (!(words >> word) || word.empty() || word.size() > 9 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(word);
    return value <= kMaxCount;
}

} // namespace

CResults::CResults() : m_counts() {}

void CResults::Load(const std::string& path, std::string& message)
{
    m_path = path;
    std::string text;
    std::string error;
    const ReadResult read = ReadPlayerFile(path, kMaxBytes, text, error);
    if (read == FileMissing)
        return;
    int line = 0;
    if (read == FileRefused || !Parse(text, line, error))
    {
        *this = CResults();
        m_path = path;
        message = RefusePlayerFile(path, line, error);
    }
}

void CResults::Count(int level, int redScore, int whiteScore)
{
    if (level < 0 || level >= LevelCount)
        return;
    ResultCount& count = m_counts[level];
    const int margin = redScore > whiteScore ? redScore - whiteScore : whiteScore - redScore;
    if (redScore == whiteScore)
        ++count.m_drawn;
    else if (redScore > whiteScore)
        ++count.m_won;
    else
        ++count.m_lost;
    // Against the computer only the person's wins set a best margin.
    if (redScore > whiteScore || (level == PersonLevel && whiteScore > redScore))
        count.m_bestMargin = std::max(count.m_bestMargin, margin);
}

bool CResults::Save(std::string& error) const
{
    return m_path.empty() || WriteFileAtomically(m_path, Text(), error);
}

std::string CResults::Summary(int level) const
{
    const ResultCount& count = m_counts[level];
    if (count.m_won + count.m_lost + count.m_drawn == 0)
        return "";
    const std::string names[2] = {level == PersonLevel ? "Red won " : "won ", level == PersonLevel ? "White won " : "lost "};
    return names[0] + std::to_string(count.m_won) + ", " + names[1] + std::to_string(count.m_lost) + ", drawn " +
           std::to_string(count.m_drawn) + ", best margin " + std::to_string(count.m_bestMargin);
}

std::string CResults::Text() const
{
    std::string text = std::string(kHeader) + "\n";
    for (int level = 0; level < LevelCount; ++level)
    {
        const ResultCount& count = m_counts[level];
        text += "level " + std::to_string(level) + " won " + std::to_string(count.m_won) + " lost " +
                std::to_string(count.m_lost) + " drawn " + std::to_string(count.m_drawn) + " best " +
                std::to_string(count.m_bestMargin) + "\n";
    }
    return text;
}

// Every line but the header is "level L won W lost L drawn D best B", each
// level at most once.
bool CResults::Parse(const std::string& text, int& line, std::string& cause)
{
    std::istringstream lines(text);
    std::string content;
    bool seen[LevelCount] = {};
    for (line = 1; std::getline(lines, content); ++line)
    {
        if (!content.empty() && content.back() == '\r')
            content.pop_back();
        if (line == 1)
        {
            if (content == kHeader)
                continue;
            cause = content.rfind("valdmoor-results ", 0) == 0 ? "written by a newer Valdmoor"
                                                               : "not a Valdmoor results file";
            return false;
        }
        std::istringstream words(content);
        std::string label[5];
        int level = 0;
        ResultCount count = {};
        std::string rest;
        const bool read = (words >> label[0]) && label[0] == "level" && ReadCount(words, level) &&
                          level < LevelCount && (words >> label[1]) && label[1] == "won" &&
                          ReadCount(words, count.m_won) && (words >> label[2]) && label[2] == "lost" &&
                          ReadCount(words, count.m_lost) && (words >> label[3]) && label[3] == "drawn" &&
                          ReadCount(words, count.m_drawn) && (words >> label[4]) && label[4] == "best" &&
                          ReadCount(words, count.m_bestMargin) && !(words >> rest);
        if (!read || seen[level])
        {
            cause = read ? "a level counted twice" : "expected \"level <0-4> won <n> lost <n> drawn <n> best <n>\"";
            return false;
        }
        seen[level] = true;
        m_counts[level] = count;
    }
    if (line == 1)
    {
        cause = "empty";
        return false;
    }
    return true;
}
