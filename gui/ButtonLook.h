#pragma once

namespace GUI
{

// The one look of the text buttons on the menus, the dialogs and the game
// screen: the two pictures are drawn for this size, and a button of another
// width stretches them.
const int         kButtonWidth  = 128;                      // pixels
const int         kButtonHeight = 32;                       // pixels
const char* const kButtonOut    = "Assets/buttonOut.tga";   // shown while the mouse is elsewhere
const char* const kButtonOver   = "Assets/buttonOver.tga";  // shown while the mouse is over the button

} // namespace GUI
