#pragma once

// Interrupt, terminate and hang-up end the main loop as closing the window
// does. The handler only raises a flag, which the loop reads.
void CatchStopSignals();
bool StopSignalled();
