#pragma once

class IBaseAI;

// A new computer opponent of the level, 1 Easy to 4 Expert; the caller owns it.
IBaseAI* NewComputerPlayer(int level);
