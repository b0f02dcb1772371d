#pragma once

// The keyboard: the key callback records which keys are down, and once per
// tick ProcessKeys fires the bindings of the key map on top of the stack.
// Key codes are the engine's (engine/KeyCodes.h); codes 0 to 511 are tracked.

#include <deque>

namespace Input
{
namespace Keyboard
{

class CKeyMap;

int  InitKeyboard();                        // installs OnKey and the key task; 0 on success
void OnKey(int key, int action);            // action 1 pressed (or repeated), else released
void ProcessKeys();                         // one pass of the active key map
void PushKeyMap(CKeyMap* map);              // the map becomes the active one; not owned
void PopKeyMap();                           // the map below becomes active; nothing on an empty stack

const std::deque<CKeyMap*>& KeyMapStack();  // bottom first, the active map last; for reading, by tests

} // namespace Keyboard
} // namespace Input
