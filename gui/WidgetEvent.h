#pragma once

namespace GUI
{

// What OnEvent tells a widget; the numbers are fixed.
enum WidgetEvent
{
    MouseEnter    = 0,                      // became the hover widget, or the pointer came back over it
    MouseLeave    = 1,                      // the hover widget lost the pointer
    LeftPress     = 2,
    LeftRelease   = 3,                      // the click
    RightPress    = 4,
    RightRelease  = 5,
    MiddlePress   = 6,
    MiddleRelease = 7,
    Show          = 8,                      // become visible (a screen: become the shown screen)
    Hide          = 9,                      // become hidden (a screen: another is shown)
    Drag          = 10                      // left button held and the pointer moved
};

} // namespace GUI
