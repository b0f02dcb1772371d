#pragma once

// The windowing library's display connection, watched for loss. By default
// the X library ends the program on the spot when the display goes away,
// with no shutdown and no line saying why; watched, the loss is noted and
// the program goes on to end in order, the failed connection left alone.
void WatchForDisplayLoss();                 // once the window's context is current
bool DisplayLost();
