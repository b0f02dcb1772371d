#pragma once

namespace Input
{
namespace Keyboard
{
class CKeyMap;
}
}

namespace GUI
{

class CScreen;

// Binds in map the keys that work a screen and its questions, each calling
// the screen's OnNavigationKey: Down, Tab, Up, Shift+Tab, Enter (either),
// Space, Y and N. None fires with Ctrl or Alt held. Escape is left to the
// screen, whose own meaning for it comes first.
void BindNavigationKeys(Input::Keyboard::CKeyMap& map, CScreen* screen);

} // namespace GUI
