#include "gui/ModalDialog.h"

#include <GL/gl.h>

#include "engine/Window.h"
#include "gui/NavigationKey.h"
#include "gui/Outline.h"
#include "gui/RootWidget.h"

namespace GUI
{

namespace
{

const GLubyte kDimming    = 100;            // of 255: how dark the window goes under the panel
const GLubyte kPanelGrey  = 100;            // of 255
const GLubyte kOutline[3] = {200, 190, 20}; // yellow

} // namespace

CModalDialog::CModalDialog(int x, int y, int width, int height, IBaseWidget* owner)
    : CWindow(x, y, width, height), m_focus(this), m_setAside(false)
{
    IBaseWidget* screen = owner;
    while (screen->m_parent && screen->m_parent != &g_rootWidget)
        screen = screen->m_parent;
    screen->AddChild(this);
    g_rootWidget.ResetHover(this);
}

CModalDialog::~CModalDialog()
{
    ReleaseMouse();
}

// The dimming covers everything drawn before the dialog, hidden or not;
// only a dialog set aside leaves the screen behind it as it is.
bool CModalDialog::Draw()
{
    if (m_setAside)
        return false;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4ub(0, 0, 0, kDimming);
    glRecti(0, 0, g_windowWidth, g_windowHeight);
    glDisable(GL_BLEND);
    if (!m_visible)
        return false;

    glColor3ub(kPanelGrey, kPanelGrey, kPanelGrey);
    glRecti(m_left, m_bottom, m_right, m_top);
    glColor3ubv(kOutline);
    DrawOutline(m_left, m_bottom, m_right, m_top);
    return true;
}

bool CModalDialog::Contains(const MouseState&) const
{
    return true;
}

void CModalDialog::OnNavigationKey(int key)
{
    m_focus.Follow(key);
}

// Another dialog still open on the shown screen is still drawn over it, so
// it must stay modal: the last one opened gets the mouse back. On a hidden
// screen it would hold the mouse away from the screen being shown.
void CModalDialog::ReleaseMouse()
{
    g_rootWidget.ResetHover(&g_rootWidget);
    if (!m_parent || !m_parent->m_visible)
        return;
    const std::vector<IBaseWidget*>& siblings = m_parent->m_children;
    for (auto sibling = siblings.rbegin(); sibling != siblings.rend(); ++sibling)
    {
        if (*sibling == this)
            continue;
        if (CModalDialog* below = dynamic_cast<CModalDialog*>(*sibling))
        {
            g_rootWidget.ResetHover(below);
            return;
        }
    }
}

} // namespace GUI
