#pragma once

// The windowing library's connection to the X display, watched for what the
// library itself lets pass:
// - the connection's loss: by default the X library ends the program on the
//   spot, with no shutdown and no line saying why; watched, the loss is noted
//   and the program goes on to end in order, the dead connection left alone;
// - the window's destruction by another program, which the library ignores:
//   the program would go on without a window, or die of the first request
//   that names it; watched, it counts as a request to close.
void WatchDisplay();                        // once the window's context is current
void ReadWindowDestruction();               // before the library reads the events waiting, once a frame
// Returns once the display has events for the program, or after `seconds`,
// or at once over a lost display; reads none of them. False, at once,
// without a connection to wait on.
bool WaitForDisplay(double seconds);
bool DisplayLost();                         // true from the loss of the connection on
bool WindowDestroyed();                     // true from the destruction on
