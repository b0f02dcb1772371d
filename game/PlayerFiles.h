#pragma once

// Index of this file:
//   Folders             - where the files live
//   Reading and writing - whole files, atomic writes
//   Kept files          - the program's own small files, read and checked
//   Refusals            - a file that cannot be used, set aside and logged

#include <cstddef>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

// Where a player's own files live, and how they are read and written:
// settings under $XDG_CONFIG_HOME, finished games and results under
// $XDG_DATA_HOME, the game in progress under $XDG_STATE_HOME, each in a
// "valdmoor" folder, with the usual defaults under the home folder. Writes
// are atomic: a program killed at any moment leaves the old file or the new
// one, never a mix.

//------------------------------------------------------------------ Folders

// The three folders of a player's files.
enum PlayerFolder
{
    ConfigFolder,                           // the settings
    DataFolder,                             // the finished games and the results
    StateFolder                             // the game in progress
};

// The folder's path, made if missing; "" when there is no home folder to
// put it in (the files are then neither read nor written).
std::string PlayerFolderPath(PlayerFolder folder);

//------------------------------------------------------------------ Reading and writing

// What became of a read.
enum ReadResult
{
    FileRead,                               // text holds the whole file
    FileMissing,                            // there is no such file
    FileRefused                             // not a regular file, too large or unreadable: error says why
};

// Reads a whole file of at most limit bytes. Only regular files are read,
// and the size is checked before anything is read.
ReadResult ReadPlayerFile(const std::string& path, std::size_t limit, std::string& text, std::string& error);

// Writes a temporary file beside path, flushes it to the disk and renames it
// over path. False with the cause on failure; path is then unchanged.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error);
// Removes the temporary files of writes that a killed program never finished.
void RemoveUnfinishedWrites(const std::string& folder);

//------------------------------------------------------------------ Kept files

// A small file of the program's own, first line "<kind> 1" (the settings,
// the results), read and handed to parse, which takes its lines after that
// one and sets the line and cause of a mistake. A file that cannot be read or
// parsed is refused as below and message says why; false then.
typedef std::function<bool(const std::vector<std::string>& lines, int& line, std::string& cause)> KeptFileParser;
// Reads, checks and parses such a file; true when parse accepted it.
bool LoadKeptFile(const std::string& path, const char* kind, const KeptFileParser& parse, std::string& message);

// The next word as a plain decimal number from lowest to highest.
bool ReadWholeNumber(std::istringstream& words, int lowest, int highest, int& value);

//------------------------------------------------------------------ Refusals

// A file that cannot be used: one error line in the general log naming the
// file, the line (0 for the file as a whole) and the cause, and the file
// renamed aside so that nothing is lost and the next start does not meet it
// again. Returns the same sentence for the screen.
std::string RefusePlayerFile(const std::string& path, int line, const std::string& cause);

// The general log's error line for a file refused, sentence naming it.
void LogRefusedFile(const std::string& sentence);

// One log line for a file that could not be written or removed.
void LogFileTrouble(const std::string& path, const std::string& cause);
