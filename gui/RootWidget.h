#pragma once

// Index of this file:
//   CRootWidget   - the one static root of the widget tree and its hover widget
//   Mouse polling - the per-frame read of the pointer that feeds the root

#include "gui/BaseWidget.h"

namespace GUI
{

//------------------------------------------------------------------ CRootWidget

// The parent of every screen. Mouse events go to one widget, the hover
// widget; the search for it starts there and climbs only while the pointer
// is outside, so a widget that always contains the pointer (a modal dialog)
// keeps the mouse inside its own subtree.
class CRootWidget : public IBaseWidget
{
public:
    CRootWidget();                          // visible, edges 0, hovering itself

    bool Contains(const MouseState& mouse) const override;    // always true
    void OnEvent(int event, const MouseState& mouse) override;    // ignores every event

    void         DispatchMouse(const MouseState& mouse);    // finds the hover widget and sends it the record's event
    // The deepest widget under the pointer from start, climbing to the parents
    // while start misses it; null when start misses it and climb is false.
    IBaseWidget* FindWidgetAt(IBaseWidget* start, const MouseState& mouse, bool climb);

    // Makes widget the hover widget at once, outside the mouse dispatch; the
    // one that had the pointer hears MouseLeave first.
    void ResetHover(IBaseWidget* widget);

    IBaseWidget* m_hover;                   // receives the mouse events; never null; owned by the tree
    bool         m_hoverInside;             // the pointer was over m_hover at the last dispatch
};

extern CRootWidget g_rootWidget;            // static; the engine empties it at shutdown

//------------------------------------------------------------------ Mouse polling

extern MouseState g_mouseState;             // rewritten by every PollMouse

// Moves a pointer position into 0..width, 0..height (edges included); true
// when it had to.
bool ClampPointer(int& x, int& y, int width, int height);

// Takes one poll's pointer position (widget coordinates) and buttons into the
// record, keeping the previous button states and the motion since then.
void UpdateMouseState(MouseState& mouse, float x, float y, bool left, bool middle, bool right);

// Reads the pointer of the window, puts it back inside when it left, and
// dispatches the new record from the root. Called once per frame.
void PollMouse();

} // namespace GUI
