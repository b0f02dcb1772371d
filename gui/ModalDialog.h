#pragma once

#include <utility>

#include "gui/KeyboardFocus.h"
#include "gui/Window.h"

namespace GUI
{

// A panel over the current screen that dims the window and keeps the mouse
// until it goes: it contains every pointer position, so the hit search never
// climbs out of it while it or one of its widgets is the hover widget.
class CModalDialog : public CWindow
{
public:
    // Joins the screen that holds the owner as its last child, and takes the mouse.
    CModalDialog(int x, int y, int width, int height, IBaseWidget* owner);
    ~CModalDialog() override;               // hands the mouse on (ReleaseMouse)

    bool Draw() override;                   // dims the whole window, then draws the panel
    bool Contains(const MouseState& mouse) const override;    // always true: it keeps the mouse

    // A NavigationKey from the screen it is on: moves the focus among its
    // buttons and takes the focused one; the other keys mean nothing here.
    virtual void OnNavigationKey(int key);

    CKeyboardFocus m_focus;                 // among its own buttons
    bool           m_setAside;              // looked past: neither it nor its dimming is drawn,
                                            // and it still keeps the mouse

protected:
    void ReleaseMouse();                    // hands the mouse to the dialog below, or to the root
};

// A dialog owns itself: it joins its owner's screen as it is made and deletes
// itself once answered, or goes with that screen. The opener keeps no pointer.
template <typename Dialog, typename... Arguments>
Dialog* OpenDialog(Arguments&&... arguments)
{
    return new Dialog(std::forward<Arguments>(arguments)...);
}

} // namespace GUI
