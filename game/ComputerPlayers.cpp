#include "game/ComputerPlayers.h"

#include "ai/TreeAI.h"

IBaseAI* NewComputerPlayer(int level)
{
    return new CTreeAI(level);
}
