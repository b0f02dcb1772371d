#pragma once

class IBaseAI;

// A new computer opponent of the level, 1 Easy to 3 Hard; the caller owns it.
IBaseAI* NewComputerPlayer(int level);
