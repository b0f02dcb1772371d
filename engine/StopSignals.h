#pragma once

// Interrupt, terminate and hang-up end the main loop as closing the window
// does: the first only raises a flag, which start-up and the loop read. A
// second one, which comes when the first was not acted on or its shutdown
// hangs, ends the program at once with exit code 128 + its number, after one
// line in the engine log saying so.
void CatchStopSignals();                    // once, early in start-up; prepares the second signal's log line
bool StopSignalled();                       // a first stop signal came
