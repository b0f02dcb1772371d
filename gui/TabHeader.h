#pragma once

// Index of this file:
//   CTabHeader  - the class
//   Definitions - its members, defined here as a template's are

#include "gui/ActionButton.h"
#include "gui/WidgetEvent.h"

namespace GUI
{

//------------------------------------------------------------------ CTabHeader

// The header button of one tab page. Headers of pages not shown swap
// between their inactive textures under the pointer; the shown page's header
// keeps its active texture. A click makes the header active at once; the
// page changes when the queued selection runs.
template <typename F>
class CTabHeader : public CActionButton<F>
{
public:
    // Inactive at first; action runs, queued, when the header is clicked.
    CTabHeader(int x, int y, int width, int height, const char* activeTexture, const char* inactiveTexture,
               const char* inactiveOverTexture, const F& action);

    // keeps the active texture under the pointer; a click activates
    void OnEvent(int event, const MouseState& mouse) override;
    void Activate();                        // this header active, its sibling headers inactive

    CResourceHandle<CTextureObject> m_activeTexture;    // shown while its page is shown
    bool                            m_inactive;         // its page is not the one shown
};

//------------------------------------------------------------------ Definitions

template <typename F>
CTabHeader<F>::CTabHeader(int x, int y, int width, int height, const char* activeTexture,
                          const char* inactiveTexture, const char* inactiveOverTexture, const F& action)
    : CActionButton<F>(x, y, width, height, inactiveTexture, inactiveOverTexture, action), m_inactive(true)
{
    m_activeTexture.Load(activeTexture, TextureOptions{true});
}

template <typename F>
void CTabHeader<F>::OnEvent(int event, const MouseState& mouse)
{
    switch (event)
    {
    case MouseEnter:
    case MouseLeave:
        if (m_inactive)
            CActionButton<F>::OnEvent(event, mouse);
        break;
    case LeftRelease:
        CActionButton<F>::OnEvent(event, mouse);
        Activate();
        break;
    default:
        CActionButton<F>::OnEvent(event, mouse);
        break;
    }
}

// The container's first child is the shown page; every other child but this
// one is a header.
template <typename F>
void CTabHeader<F>::Activate()
{
    this->m_currentTexture = &m_activeTexture;
    m_inactive = false;
    const std::vector<IBaseWidget*>& siblings = this->m_parent->m_children;
    for (std::size_t i = 1; i < siblings.size(); ++i)
    {
        if (siblings[i] == this)
            continue;
        CTabHeader* header = static_cast<CTabHeader*>(siblings[i]);
        header->m_currentTexture = &header->m_texture;
        header->m_inactive = true;
    }
}

} // namespace GUI
