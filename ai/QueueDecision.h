#pragma once

#include "ai/TreeSearch.h"

class IGameTable;

// Hands a computer's decision to the game as the matching action of the
// player to move, queued to run through the same checks as a human's.
void QueueDecision(IGameTable& game, const Decision& decision);
