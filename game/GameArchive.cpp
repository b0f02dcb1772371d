#include "game/GameArchive.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "game/PlayerFiles.h"
#include "game/rules/RecordFormat.h"
#include "game/rules/Replay.h"

namespace
{

const char* const kCurrentName = "/current-game.record";
const char* const kGamesName = "/games";
const char* const kResultsName = "/results.txt";
const std::size_t kKeptGames = 100;
const int kNumberWidth = 6;                 // digits of a kept game's number, so that names sort by age

// Kept games are named by number, "000001.record" onwards; anything else in
// the folder is the player's and left alone.
std::vector<unsigned long> KeptNumbers(const std::string& folder)
{
    std::vector<unsigned long> numbers;
    DIR* directory = opendir(folder.c_str());
    if (!directory)
        return numbers;
    while (const dirent* entry = readdir(directory))
    {
        const std::string name = entry->d_name;
        if (name.size() == kNumberWidth + 7 && name.compare(kNumberWidth, 7, ".record") == 0 &&
            name.find_first_not_of("0123456789") == static_cast<std::size_t>(kNumberWidth))
            numbers.push_back(std::stoul(name.substr(0, kNumberWidth)));
    }
    closedir(directory);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::string KeptName(const std::string& folder, unsigned long number)
{
    std::string digits = std::to_string(number);
    digits.insert(0, kNumberWidth > static_cast<int>(digits.size()) ? kNumberWidth - digits.size() : 0, '0');
    return folder + "/" + digits + ".record";
}

} // namespace

CGameArchive::CGameArchive(const std::string& stateFolder, const std::string& dataFolder)
    : m_stateFolder(stateFolder), m_claimed(false), m_dataFolder(dataFolder)
{
    if (!m_stateFolder.empty())
        RemoveUnfinishedWrites(m_stateFolder);
    if (m_dataFolder.empty())
        return;
    RemoveUnfinishedWrites(m_dataFolder);
    RemoveUnfinishedWrites(GamesFolder());
    m_results.Load(m_dataFolder + kResultsName, m_loadMessage);
}

void CGameArchive::SaveCurrent(const GameRecord& record)
{
    ClaimCurrent();
    std::string error;
    if (!m_stateFolder.empty() && !WriteFileAtomically(CurrentPath(), RecordText(record), error))
        LogFileTrouble(CurrentPath(), "could not save the game in progress (" + error + ")");
}

void CGameArchive::ForgetCurrent()
{
    ClaimCurrent();
    if (!m_stateFolder.empty() && unlink(CurrentPath().c_str()) != 0 && errno != ENOENT)
        LogFileTrouble(CurrentPath(), std::string("could not remove the finished game's save (") +
                                          std::strerror(errno) + ")");
}

bool CGameArchive::LoadCurrent(GameRecord& record, std::string& message)
{
    m_claimed = true;
    if (m_stateFolder.empty())
        return false;
    std::string text;
    std::string cause;
    const ReadResult read = ReadPlayerFile(CurrentPath(), RecordMaxBytes, text, cause);
    if (read == FileMissing)
        return false;
    RecordError error{0, cause};
    if (read == FileRead && ParseRecord(text, record, error) && CheckRecord(record, error))
        return true;
    message = RefusePlayerFile(CurrentPath(), error.m_line, error.m_cause);
    return false;
}

void CGameArchive::Keep(const GameRecord& record)
{
    if (m_dataFolder.empty())
        return;
    const std::string folder = GamesFolder();
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
    {
        LogFileTrouble(folder, std::string("could not make the folder of finished games (") + std::strerror(errno) +
                                   ")");
        return;
    }
    std::vector<unsigned long> numbers = KeptNumbers(folder);
    const unsigned long next = numbers.empty() ? 1 : numbers.back() + 1;
    std::string error;
    if (!WriteFileAtomically(KeptName(folder, next), RecordText(record), error))
    {
        LogFileTrouble(KeptName(folder, next), "could not keep the game (" + error + ")");
        return;
    }
    numbers.push_back(next);
    for (std::size_t oldest = 0; oldest + kKeptGames < numbers.size(); ++oldest)
        unlink(KeptName(folder, numbers[oldest]).c_str());
}

void CGameArchive::CountResult(int level, int redScore, int whiteScore)
{
    m_results.Count(level, redScore, whiteScore);
    std::string error;
    if (!m_results.Save(error))
        LogFileTrouble(m_results.m_path, "could not save the results (" + error + ")");
}

// A run that opened a record for review never offered the last run's
// unfinished game; it goes with the kept games before this run's own game
// takes its place.
void CGameArchive::ClaimCurrent()
{
    if (m_claimed)
        return;
    GameRecord unfinished;
    std::string message;
    if (LoadCurrent(unfinished, message))
        Keep(unfinished);
}

std::string CGameArchive::CurrentPath() const
{
    return m_stateFolder + kCurrentName;
}

std::string CGameArchive::GamesFolder() const
{
    return m_dataFolder + kGamesName;
}

bool ReadRecordFile(const std::string& path, GameRecord& record, std::string& message, int& line)
{
    std::string text;
    std::string cause;
    const ReadResult read = ReadPlayerFile(path, RecordMaxBytes, text, cause);
    RecordError error{0, read == FileMissing ? "no such file" : cause};
    if (read == FileRead && ParseRecord(text, record, error) && CheckRecord(record, error))
        return true;
    line = error.m_line;
    message = path + (error.m_line > 0 ? ", line " + std::to_string(error.m_line) : std::string()) + ": " +
              error.m_cause;
    return false;
}
