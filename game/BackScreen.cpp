#include "game/BackScreen.h"

#include "engine/Callables.h"
#include "engine/KeyCodes.h"
#include "gui/WidgetEvent.h"
#include "input/Keyboard.h"

CBackScreen::CBackScreen(GUI::CScreen* back) : m_back(back), m_return(back)
{
    m_keyMap.BindKey(Keys::Escape, Functor0<CBackScreen>(this, &CBackScreen::GoBack), Input::Keyboard::Pressed);
}

// The map goes on only after the screen shown before has been hidden, since
// hiding takes a screen's map off the top of the stack.
void CBackScreen::OnEvent(int event, const GUI::MouseState& mouse)
{
    const bool wasVisible = m_visible;
    if (event == GUI::Hide && wasVisible)
        Input::Keyboard::PopKeyMap();
    GUI::CScreen::OnEvent(event, mouse);
    if (event == GUI::Show && !wasVisible)
        Input::Keyboard::PushKeyMap(&m_keyMap);
}

void CBackScreen::ShowOver(GUI::CScreen* from)
{
    m_return = from;
    Show();
}

void CBackScreen::GoBack()
{
    GUI::CScreen* target = m_return;
    m_return = m_back;
    target->Show();
}
