#include "game/BackScreen.h"

#include "engine/Callables.h"
#include "engine/KeyCodes.h"

CBackScreen::CBackScreen(GUI::CScreen* back) : m_back(back), m_return(back)
{
    m_keyMap.BindKey(Keys::Escape, Functor0<CBackScreen>(this, &CBackScreen::GoBack), Input::Keyboard::Pressed);
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
