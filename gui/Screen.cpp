#include "gui/Screen.h"

#include "gui/Backdrop.h"
#include "gui/ModalDialog.h"
#include "gui/RootWidget.h"
#include "gui/WidgetEvent.h"

namespace GUI
{

CScreen::CScreen() : m_backdrop(nullptr)
{
    m_visible = false;
}

// The rectangle is never looked at: a shown screen covers the window.
bool CScreen::Contains(const MouseState&) const
{
    return m_visible;
}

// The hover widget may belong to a screen just hidden, so the next search
// starts from the root.
void CScreen::OnEvent(int event, const MouseState& mouse)
{
    if (event == GUI::Show && m_parent)
    {
        for (IBaseWidget* sibling : m_parent->m_children)
            if (sibling != this)
                sibling->OnEvent(GUI::Hide, mouse);
    }
    IBaseWidget::OnEvent(event, mouse);
    if (event == GUI::Show)
        g_rootWidget.ResetHover(&g_rootWidget);
}

void CScreen::Show()
{
    const MouseState still = {};
    OnEvent(GUI::Show, still);
}

void CScreen::Hide()
{
    const MouseState still = {};
    OnEvent(GUI::Hide, still);
}

// Only the question on top may answer: one below it is covered.
void CScreen::OnNavigationKey(int key)
{
    if (CModalDialog* question = OpenQuestion())
        question->OnNavigationKey(key);
}

CModalDialog* CScreen::OpenQuestion() const
{
    for (auto child = m_children.rbegin(); child != m_children.rend(); ++child)
        if (CModalDialog* dialog = dynamic_cast<CModalDialog*>(*child))
            return dialog;
    return nullptr;
}

bool CScreen::PaintsCanvas() const
{
    return m_visible && m_backdrop && m_backdrop->PaintsCanvas();
}

// The root draws nothing itself, and a hidden screen draws nothing, so the
// first shown child is drawn first. Anything but a screen there, or no
// screen shown, leaves the clear to the frame.
CBackdrop* ShownBackdrop()
{
    for (const IBaseWidget* child : g_rootWidget.m_children)
    {
        const CScreen* screen = dynamic_cast<const CScreen*>(child);
        if (!screen)
            return nullptr;
        if (screen->m_visible)
            return screen->PaintsCanvas() ? screen->m_backdrop : nullptr;
    }
    return nullptr;
}

} // namespace GUI
