#include "gui/MenuScreen.h"

#include "gui/NavigationKey.h"
#include "gui/NavigationKeys.h"
#include "gui/WidgetEvent.h"
#include "input/Keyboard.h"

namespace GUI
{

CMenuScreen::CMenuScreen() : m_focus(this)
{
    BindNavigationKeys(m_keyMap, this);
}

// The map goes on only after the screen shown before has been hidden, since
// hiding takes a screen's map off the top of the stack.
void CMenuScreen::OnEvent(int event, const MouseState& mouse)
{
    const bool wasVisible = m_visible;
    if (event == GUI::Hide && wasVisible)
        Input::Keyboard::PopKeyMap();
    CScreen::OnEvent(event, mouse);
    if (event == GUI::Show && !wasVisible)
        Input::Keyboard::PushKeyMap(&m_keyMap);
}

void CMenuScreen::OnNavigationKey(int key)
{
    if (OpenQuestion())
    {
        CScreen::OnNavigationKey(key);
        return;
    }
    m_focus.Follow(key);
}

} // namespace GUI
