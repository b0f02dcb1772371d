#include "input/Keyboard.h"

#include <bitset>
#include <cassert>
#include <deque>

#include "engine/KeyCodes.h"
#include "engine/Task.h"
#include "engine/Window.h"
#include "input/KeyMap.h"

namespace Input
{
namespace Keyboard
{

namespace
{

const int kTrackedKeys = 512;

// Bit k: key k is down as the callback last reported it; bit k + 512: key k
// was down at the end of the last pass that had a map.
std::bitset<2 * kTrackedKeys> g_keys;

// Keys pressed since the last pass with a map: a tap that is over before the
// pass still reads as down in it, and as released in the next.
std::bitset<kTrackedKeys> g_tapped;

std::deque<CKeyMap*> g_keyMaps;             // back is the active map; maps not owned

bool Down(int key)
{
    return g_keys[key] || g_tapped[key];
}

// A tap of Ctrl+Z can be over before the pass: a modifier pressed since the
// last pass counts as held, like the key itself.
std::uint32_t HeldModifiers()
{
    return (Down(Keys::LeftControl) || Down(Keys::RightControl) ? Ctrl : NoModifiers) |
           (Down(Keys::LeftShift) || Down(Keys::RightShift) ? Shift : NoModifiers) |
           (Down(Keys::LeftAlt) || Down(Keys::RightAlt) ? Alt : NoModifiers);
}

bool ModifiersMatch(std::uint32_t wanted)
{
    const std::uint32_t held = HeldModifiers();
    if (wanted == AnyModifiers)
        return true;
    if (wanted == WithoutCtrlOrAlt)
        return (held & (Ctrl | Alt)) == 0;
    return wanted == held;
}

bool Fires(const CKeyMap::Binding& binding)
{
    if (!ModifiersMatch(binding.modifiers))
        return false;
    const bool down = g_keys[binding.key] || g_tapped[binding.key];
    const bool wasDown = g_keys[binding.key + kTrackedKeys];
    switch (binding.mode)
    {
    case Pressed:
        return down && !wasDown;
    case Released:
        return !down && wasDown;
    case Held:
        return down;
    default:
        return false;
    }
}

} // namespace

int InitKeyboard()
{
    SetKeyCallback(OnKey);
    Tasks::MarkRoutine(new Tasks::CTask<Tasks::Starters::AfterCurrent, Tasks::Flushers::Repeat, void (*)()>(ProcessKeys));
    return 0;
}

void OnKey(int key, int action)
{
    if (key < 0 || key >= kTrackedKeys)
        return;
    g_keys[key] = action == 1;
    if (action == 1)
        g_tapped[key] = true;
}

// With no map the previous-state bits stay as the last pass left them, so
// what changed meanwhile fires when a map is pushed again; a tap that is
// already over by then is not kept for it.
void ProcessKeys()
{
    if (g_keyMaps.empty())
    {
        g_tapped.reset();
        return;
    }
    for (const CKeyMap::Binding& binding : g_keyMaps.back()->m_bindings)
        if (binding.key < kTrackedKeys && Fires(binding))
            binding.action->Invoke();
    for (int key = 0; key < kTrackedKeys; ++key)
        g_keys[key + kTrackedKeys] = g_keys[key] || g_tapped[key];
    g_tapped.reset();
}

void PushKeyMap(CKeyMap* map)
{
    assert(map);
    g_keyMaps.push_back(map);
}

void PopKeyMap()
{
    if (!g_keyMaps.empty())
        g_keyMaps.pop_back();
}

const std::deque<CKeyMap*>& KeyMapStack()
{
    return g_keyMaps;
}

} // namespace Keyboard
} // namespace Input
