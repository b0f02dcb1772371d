#include "gui/RootWidget.h"

#include "engine/Window.h"
#include "gui/WidgetEvent.h"

namespace GUI
{

CRootWidget g_rootWidget;
MouseState  g_mouseState = {};

//------------------------------------------------------------------ CRootWidget

CRootWidget::CRootWidget() : m_hover(this), m_hoverInside(false) {}

bool CRootWidget::Contains(const MouseState&) const
{
    return true;
}

void CRootWidget::OnEvent(int, const MouseState&) {}

// While the left button is held the pressed widget keeps the mouse, even
// when the pointer is elsewhere; it only hears that the pointer left.
void CRootWidget::DispatchMouse(const MouseState& mouse)
{
    IBaseWidget* const hover = m_hover;
    IBaseWidget* const hit = FindWidgetAt(hover, mouse, true);
    if (hit != hover)
    {
        if (mouse.leftDown)
        {
            if (m_hoverInside)
            {
                hover->OnEvent(MouseLeave, mouse);
                m_hoverInside = false;
            }
        }
        else
        {
            hover->OnEvent(MouseLeave, mouse);
            m_hover = hit;
            m_hoverInside = true;
            hit->OnEvent(MouseEnter, mouse);
        }
    }
    else if (!m_hoverInside)
    {
        m_hoverInside = true;
        hover->OnEvent(MouseEnter, mouse);
    }

    // One button event per poll; a change that loses here is not delivered later.
    IBaseWidget* const target = m_hover;
    if (mouse.leftDown && !mouse.leftWasDown)
        target->OnEvent(LeftPress, mouse);
    else if (!mouse.leftDown && mouse.leftWasDown)
        target->OnEvent(LeftRelease, mouse);
    else if (mouse.rightDown && !mouse.rightWasDown)
        target->OnEvent(RightPress, mouse);
    else if (!mouse.rightDown && mouse.rightWasDown)
        target->OnEvent(RightRelease, mouse);
    else if (mouse.middleDown && !mouse.middleWasDown)
        target->OnEvent(MiddlePress, mouse);
    else if (!mouse.middleDown && mouse.middleWasDown)
        target->OnEvent(MiddleRelease, mouse);
    else if (mouse.leftDown && mouse.leftWasDown && (mouse.dx != 0.0f || mouse.dy != 0.0f))
        target->OnEvent(Drag, mouse);
}

// Among overlapping siblings the earliest added wins, although the latest
// added is drawn on top.
IBaseWidget* CRootWidget::FindWidgetAt(IBaseWidget* start, const MouseState& mouse, bool climb)
{
    IBaseWidget* widget = start;
    while (!widget->Contains(mouse))
    {
        if (!climb)
            return nullptr;
        widget = widget->m_parent ? widget->m_parent : this;
    }
    for (IBaseWidget* child : widget->m_children)
        if (IBaseWidget* found = FindWidgetAt(child, mouse, false))
            return found;
    return widget;
}

// Without the leave, a button under a question that just opened, or under
// the pointer when its screen went, would stay lit until the pointer came
// back over it.
void CRootWidget::ResetHover(IBaseWidget* widget)
{
    if (m_hover != widget && m_hoverInside)
        m_hover->OnEvent(MouseLeave, g_mouseState);
    m_hover = widget;
}

//------------------------------------------------------------------ Mouse polling

bool ClampPointer(int& x, int& y, int width, int height)
{
    const int clampedX = x < 0 ? 0 : (x > width ? width : x);
    const int clampedY = y < 0 ? 0 : (y > height ? height : y);
    const bool moved = clampedX != x || clampedY != y;
    x = clampedX;
    y = clampedY;
    return moved;
}

void UpdateMouseState(MouseState& mouse, float x, float y, bool left, bool middle, bool right)
{
    mouse.leftWasDown = mouse.leftDown;
    mouse.rightWasDown = mouse.rightDown;
    mouse.middleWasDown = mouse.middleDown;
    mouse.dx = x - mouse.x;
    mouse.dy = y - mouse.y;
    mouse.x = x;
    mouse.y = y;
    mouse.leftDown = left;
    mouse.middleDown = middle;
    mouse.rightDown = right;
}

// The pointer itself stays wherever the person put it; only the widgets see
// it held to the canvas.
void PollMouse()
{
    int x = 0;
    int y = 0;
    GetCursorPosition(x, y);
    ClampPointer(x, y, g_windowWidth, g_windowHeight);

    const bool left = IsMouseButtonDown(0);
    const bool middle = IsMouseButtonDown(2);
    const bool right = IsMouseButtonDown(1);
    UpdateMouseState(g_mouseState, static_cast<float>(x), static_cast<float>(g_windowHeight - y), left, middle, right);
    g_rootWidget.DispatchMouse(g_mouseState);
}

} // namespace GUI
