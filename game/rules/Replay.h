#pragma once

#include <cstddef>

#include "game/rules/GameRecord.h"
#include "game/rules/RecordFormat.h"

class CGameState;

// The one way a position is rebuilt from a record: a new game dealt with the
// record's seed, then its actions through the rules' own checks. Take-back,
// resuming, review and the arena's records all come through here.

// Takes the action in the game as a player would. When the rules accept it
// returns true and notes in the action whether it shuffled the deck, and
// with which seed; a refused action changes nothing.
bool TakeAction(CGameState& game, GameAction& action);

// Deals the record's game and replays its first count actions (all of them
// when count is larger). False with the line of the first action the rules
// refuse, or whose shuffle differs from the record.
bool Replay(const GameRecord& record, std::size_t count, CGameState& game, RecordError& error);

// Replays the whole record on a game of its own, and checks its result
// line, if any, against the game's end.
bool CheckRecord(const GameRecord& record, RecordError& error);
