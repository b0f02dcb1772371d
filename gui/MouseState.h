#pragma once

namespace GUI
{

// The mouse as one poll saw it, with what the poll before saw of the buttons.
struct MouseState
{
    float x;                                // pixels from the window's left edge
    float y;                                // pixels from the window's bottom edge
    float dx;                               // pixels moved right since the previous poll
    float dy;                               // pixels moved up since the previous poll
    bool  leftDown;                         // left button down now
    bool  leftWasDown;                      // ... at the previous poll
    bool  rightDown;                        // right button down now
    bool  rightWasDown;                     // ... at the previous poll
    bool  middleDown;                       // middle button down now
    bool  middleWasDown;                    // ... at the previous poll
};

} // namespace GUI
