#pragma once

#include <string>

#include "game/rules/GameRecord.h"

// The text form of a game record, described with an example in
// docs/game-record.md: a version line, the seats, the deal's seed, one line
// per action and, once the game is over, its result.

const int RecordVersion = 1;                // the format this program writes and the newest it reads
const std::size_t RecordMaxBytes = 65536;   // far over any real game (a few hundred actions of a dozen bytes)

// Why a record was refused: the line (1 for the first; 0 for the file as a
// whole) and the cause, as a person reads it.
struct RecordError
{
    int         m_line;
    std::string m_cause;
};

std::string RecordText(const GameRecord& record);   // the whole text, as the archive saves it
// An action's line without a shuffle's seed, as in "red play 3" or "white draw".
std::string ActionWords(const GameAction& action);

// Reads the text; on a mistake returns false with the first line at fault.
// Only the form is checked here: whether the actions are legal is for Replay.
bool ParseRecord(const std::string& text, GameRecord& record, RecordError& error);
