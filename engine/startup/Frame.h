#pragma once

// The frame task: the window's events, the mouse, and the picture, drawn
// only when something can have changed it, at most at the display's rate.

void StartFrames();                         // once the window is open, before the first frame
void RenderFrame();                         // the frame task's one run
