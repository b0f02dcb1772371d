#include "gui/NavigationKeys.h"

#include <cstdint>

#include "engine/Callables.h"
#include "engine/KeyCodes.h"
#include "gui/NavigationKey.h"
#include "gui/Screen.h"
#include "input/KeyMap.h"

namespace GUI
{

namespace
{

const int kSpace = ' ';                     // printable keys are their upper-case character

} // namespace

void BindNavigationKeys(Input::Keyboard::CKeyMap& map, CScreen* screen)
{
    using namespace Input::Keyboard;
    const struct
    {
        int           key;
        std::uint32_t modifiers;
        NavigationKey meaning;
    } keys[] = {
        {Keys::Down, WithoutCtrlOrAlt, FocusNext},     {Keys::Tab, NoModifiers, FocusNext},
        {Keys::Up, WithoutCtrlOrAlt, FocusPrevious},   {Keys::Tab, Shift, FocusPrevious},
        {Keys::Enter, WithoutCtrlOrAlt, TakeFocus},    {Keys::PadEnter, WithoutCtrlOrAlt, TakeFocus},
        {kSpace, WithoutCtrlOrAlt, TakeFocus},         {'Y', WithoutCtrlOrAlt, AnswerYes},
        {'N', WithoutCtrlOrAlt, AnswerNo},
    };
    for (const auto& binding : keys)
        map.BindKey(static_cast<std::uint16_t>(binding.key),
                    Closure1<CScreen, int>(screen, &CScreen::OnNavigationKey, binding.meaning), Pressed,
                    binding.modifiers);
}

} // namespace GUI
