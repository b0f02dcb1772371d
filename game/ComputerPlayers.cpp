#include "game/ComputerPlayers.h"

#include "ai/ExpertAI.h"
#include "ai/TreeAI.h"

// The Expert's seed is fixed: each decision's random stream mixes it with the
// visible position, so a game replays move for move.
IBaseAI* NewComputerPlayer(int level)
{
    if (level == ExpertLevel)
        return new CExpertAI(0);
    return new CTreeAI(level);
}
