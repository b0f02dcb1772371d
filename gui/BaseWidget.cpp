#include "gui/BaseWidget.h"

#include <algorithm>

#include "gui/WidgetEvent.h"

namespace GUI
{

IBaseWidget::IBaseWidget() : m_visible(true), m_left(0), m_right(0), m_bottom(0), m_top(0), m_parent(nullptr) {}

IBaseWidget::IBaseWidget(int x, int y, int width, int height)
    : m_visible(true), m_left(x), m_right(x + width), m_bottom(y), m_top(y + height), m_parent(nullptr)
{
}

IBaseWidget::~IBaseWidget()
{
    DeleteChildren();
}

void IBaseWidget::Layout()
{
    for (IBaseWidget* child : m_children)
        child->Layout();
}

int IBaseWidget::GetWidth() const
{
    return m_right - m_left;
}

int IBaseWidget::GetHeight() const
{
    return m_top - m_bottom;
}

bool IBaseWidget::Draw()
{
    return m_visible;
}

// The edges themselves are outside.
bool IBaseWidget::Contains(const MouseState& mouse) const
{
    return m_left < mouse.x && mouse.x < m_right && m_bottom < mouse.y && mouse.y < m_top;
}

void IBaseWidget::OnEvent(int event, const MouseState&)
{
    if (event == Show)
        m_visible = true;
    else if (event == Hide)
        m_visible = false;
}

void IBaseWidget::AddChild(IBaseWidget* child)
{
    child->m_parent = this;
    m_children.push_back(child);
}

void IBaseWidget::RemoveChild(IBaseWidget* child)
{
    const auto found = std::find(m_children.begin(), m_children.end(), child);
    if (found != m_children.end())
        m_children.erase(found);
}

// The child stays in the array while it dies, so that its destructor still
// finds its siblings where they were.
void IBaseWidget::DeleteChildren()
{
    while (!m_children.empty())
    {
        delete m_children.back();
        m_children.pop_back();
    }
}

void DrawTree(IBaseWidget* widget)
{
    if (!widget->Draw())
        return;
    for (IBaseWidget* child : widget->m_children)
        DrawTree(child);
}

} // namespace GUI
