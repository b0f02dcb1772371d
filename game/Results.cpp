#include "game/Results.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "game/PlayerFiles.h"

namespace
{

const char* const kKind = "valdmoor-results";
const int kMaxCount = 100000000;            // games; keeps the sums far from overflowing

} // namespace

CResults::CResults() : m_counts() {}

void CResults::Load(const std::string& path, std::string& message)
{
    m_path = path;
    if (LoadKeptFile(path, kKind, [this](const std::vector<std::string>& lines, int& line, std::string& cause)
                     { return Parse(lines, line, cause); }, message))
        return;
    *this = CResults();
    m_path = path;
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
    std::string text = std::string(kKind) + " 1\n";
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
bool CResults::Parse(const std::vector<std::string>& lines, int& line, std::string& cause)
{
    bool seen[LevelCount] = {};
    for (std::size_t index = 0; index < lines.size(); ++index)
    {
        line = static_cast<int>(index) + 2;
        std::istringstream words(lines[index]);
        std::string label[5];
        int level = 0;
        ResultCount count = {};
        std::string rest;
        const bool read = (words >> label[0]) && label[0] == "level" && ReadWholeNumber(words, 0, LevelCount - 1, level) &&
                          (words >> label[1]) && label[1] == "won" && ReadWholeNumber(words, 0, kMaxCount, count.m_won) &&
                          (words >> label[2]) && label[2] == "lost" && ReadWholeNumber(words, 0, kMaxCount, count.m_lost) &&
                          (words >> label[3]) && label[3] == "drawn" &&
                          ReadWholeNumber(words, 0, kMaxCount, count.m_drawn) && (words >> label[4]) &&
                          label[4] == "best" && ReadWholeNumber(words, 0, kMaxCount, count.m_bestMargin) &&
                          !(words >> rest);
        if (!read || seen[level])
        {
            cause = read ? "a level counted twice" : "expected \"level <0-4> won <n> lost <n> drawn <n> best <n>\"";
            return false;
        }
        seen[level] = true;
        m_counts[level] = count;
    }
    return true;
}
