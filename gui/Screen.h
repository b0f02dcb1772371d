#pragma once

#include "gui/BaseWidget.h"

namespace GUI
{

class CBackdrop;
class CModalDialog;

// A full-window page, a child of the root. Exactly one is shown at a time;
// a hidden screen is neither drawn nor searched for the mouse.
class CScreen : public IBaseWidget
{
public:
    CScreen();                              // hidden, edges 0, no children

    bool Contains(const MouseState& mouse) const override;    // while shown, anywhere
    void OnEvent(int event, const MouseState& mouse) override;    // Show hides every sibling screen first

    void Show();                            // what buttons bind to switch screens
    void Hide();                            // hides the screen

    // A key of the keyboard's navigation (a NavigationKey), bound by the
    // screen's key map. The base gives it to the question open on the
    // screen, and does nothing without one.
    virtual void OnNavigationKey(int key);
    CModalDialog* OpenQuestion() const;     // the dialog opened last and still open here, or null
    // Whether, shown, it covers every pixel of the canvas before it draws
    // anything else: its backdrop paints the canvas whole.
    bool PaintsCanvas() const;

    CBackdrop* m_backdrop;                  // drawn before anything else of the screen, by its Draw or as
                                            // its first child; owned by the screen; null when it has none
};

// The backdrop of the shown screen when it is the first thing the root
// draws and paints the whole canvas, so that the frame need not clear it;
// null otherwise.
CBackdrop* ShownBackdrop();

} // namespace GUI
