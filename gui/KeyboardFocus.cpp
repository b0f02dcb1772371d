#include "gui/KeyboardFocus.h"

#include <algorithm>

#include "gui/Button.h"
#include "gui/ModalDialog.h"
#include "gui/MouseState.h"
#include "gui/NavigationKey.h"
#include "gui/WidgetEvent.h"

namespace GUI
{

namespace
{

// A hidden widget hides its buttons from the keys, although the mouse could
// still reach them.
void CollectButtons(const IBaseWidget* widget, std::vector<CButton*>& buttons)
{
    for (IBaseWidget* child : widget->m_children)
    {
        if (!child->m_visible || dynamic_cast<CModalDialog*>(child))
            continue;
        if (CButton* button = dynamic_cast<CButton*>(child))
            buttons.push_back(button);
        else
            CollectButtons(child, buttons);
    }
}

} // namespace

CKeyboardFocus::CKeyboardFocus(IBaseWidget* area) : m_area(area), m_start(nullptr)
{
}

std::vector<CButton*> CKeyboardFocus::Order() const
{
    std::vector<CButton*> buttons;
    CollectButtons(m_area, buttons);
    std::stable_sort(buttons.begin(), buttons.end(), [](const CButton* a, const CButton* b) {
        return a->m_top != b->m_top ? a->m_top > b->m_top : a->m_left < b->m_left;
    });
    return buttons;
}

CButton* CKeyboardFocus::Current() const
{
    const std::vector<CButton*> buttons = Order();
    if (buttons.empty())
        return nullptr;
    for (CButton* button : buttons)
        if (button->m_focused)
            return button;
    if (std::find(buttons.begin(), buttons.end(), m_start) != buttons.end())
        return m_start;
    return buttons.front();
}

// The first step only shows the focus: the player sees where it is before
// it moves.
void CKeyboardFocus::Step(int steps)
{
    const std::vector<CButton*> buttons = Order();
    CButton* current = Current();
    if (!current)
        return;
    if (!current->m_focused)
    {
        current->m_focused = true;
        return;
    }
    const int count = static_cast<int>(buttons.size());
    const int at = static_cast<int>(std::find(buttons.begin(), buttons.end(), current) - buttons.begin());
    current->m_focused = false;
    buttons[static_cast<std::size_t>(((at + steps) % count + count) % count)]->m_focused = true;
}

void CKeyboardFocus::Take() const
{
    CButton* current = Current();
    if (!current)
        return;
    const MouseState still = {};
    current->OnEvent(LeftRelease, still);
}

void CKeyboardFocus::Follow(int key)
{
    switch (key)
    {
    case FocusNext:
        Step(1);
        break;
    case FocusPrevious:
        Step(-1);
        break;
    case TakeFocus:
        Take();
        break;
    default:
        break;
    }
}

} // namespace GUI
