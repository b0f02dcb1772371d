#include "game/BackScreen.h"

#include "engine/Callables.h"
#include "engine/KeyCodes.h"

CBackScreen::CBackScreen(GUI::CScreen* back)
{
    m_keyMap.BindKey(Keys::Escape, Functor0<GUI::CScreen>(back, &GUI::CScreen::Show), Input::Keyboard::Pressed);
}
