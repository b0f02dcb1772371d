#pragma once

#include "engine/Task.h"
#include "gui/Button.h"
#include "gui/RootWidget.h"
#include "gui/WidgetEvent.h"

namespace GUI
{

// A button whose click hands a copy of its callable to the task handler:
// the call happens on the next tick, outside the mouse dispatch, and even if
// the button is gone by then.
template <typename F>
class CActionButton : public CButton
{
public:
    // The textures as for CButton; action is copied.
    CActionButton(int x, int y, int width, int height, const char* outTexture, const char* overTexture,
                  const F& action)
        : CButton(x, y, width, height, outTexture, overTexture), m_action(action)
    {
    }

    void OnEvent(int event, const MouseState& mouse) override;    // a left release queues the action

    F m_action;                             // what a click queues; its target must outlive the task
};

// The click may switch screens or remove the button's dialog, so the next
// search starts from the root.
template <typename F>
void CActionButton<F>::OnEvent(int event, const MouseState& mouse)
{
    if (event != LeftRelease)
    {
        CButton::OnEvent(event, mouse);
        return;
    }
    CButton::OnEvent(MouseLeave, mouse);
    g_rootWidget.ResetHover(&g_rootWidget);
    Tasks::Queue<Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, F>>(m_action);
}

} // namespace GUI
