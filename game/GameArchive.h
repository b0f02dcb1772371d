#pragma once

#include <string>

#include "game/Results.h"
#include "game/rules/GameRecord.h"

// A player's games on the disk: the one in progress, saved after every
// action so that it can be taken up again at the next start, the last
// hundred finished (or abandoned) games, and the results.
class CGameArchive
{
public:
    // stateFolder holds the game in progress, dataFolder the games and the
    // results; an empty folder keeps nothing.
    CGameArchive(const std::string& stateFolder, const std::string& dataFolder);

    // Saves the game in progress over the last save; trouble is logged.
    void SaveCurrent(const GameRecord& record);
    void ForgetCurrent();                   // removes the save: no game is in progress
    // The game in progress when the last run ended. False when there is
    // none; a file that cannot be used is refused and message says why.
    bool LoadCurrent(GameRecord& record, std::string& message);
    // Keeps a game that is over, or one left unfinished for good; the oldest
    // beyond the last hundred are dropped.
    void Keep(const GameRecord& record);
    // Counts a finished game's result and saves the results.
    void CountResult(int level, int redScore, int whiteScore);

    std::string CurrentPath() const;        // the file of the game in progress
    std::string GamesFolder() const;        // the folder of the finished games

    CResults    m_results;                  // loaded with the archive
    std::string m_loadMessage;              // why the results file was refused, if it was

private:
    void ClaimCurrent();

    std::string m_stateFolder;              // "" keeps no game in progress
    bool        m_claimed;                  // the save on the disk was offered to the player or written by
                                            // this run; one never offered is kept before it is replaced
    std::string m_dataFolder;               // "" keeps no finished games and no results
};

// Reads and checks a record file: its form, and its actions replayed
// through the rules. False with one sentence naming the file, the line and
// the cause; the file itself is left where it is.
bool ReadRecordFile(const std::string& path, GameRecord& record, std::string& message, int& line);
