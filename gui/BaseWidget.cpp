#include "gui/BaseWidget.h"

#include <algorithm>
#include <cassert>

#include "gui/WidgetEvent.h"

namespace GUI
{

namespace
{

// Every widget alive, oldest first: what a construction cut short by an
// exception leaves behind is found here, when nothing else points to it.
std::vector<IBaseWidget*>& LiveWidgets()
{
    static std::vector<IBaseWidget*> widgets;
    return widgets;
}

} // namespace

IBaseWidget::IBaseWidget() : m_visible(true), m_left(0), m_right(0), m_bottom(0), m_top(0), m_parent(nullptr)
{
    LiveWidgets().push_back(this);
}

IBaseWidget::IBaseWidget(int x, int y, int width, int height)
    : m_visible(true), m_left(x), m_right(x + width), m_bottom(y), m_top(y + height), m_parent(nullptr)
{
    LiveWidgets().push_back(this);
}

IBaseWidget::~IBaseWidget()
{
    DeleteChildren();
    std::vector<IBaseWidget*>& widgets = LiveWidgets();
    widgets.erase(std::find(widgets.begin(), widgets.end(), this));
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
    assert(child->MadeWithNew() && "a parent deletes its children");
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

// Oldest first, so that a widget that keeps others by plain pointer (a
// screen's background) is deleted before them and deletes them itself.
void DeleteUnownedWidgets(const IBaseWidget& root)
{
    std::vector<IBaseWidget*>& widgets = LiveWidgets();
    for (;;)
    {
        const auto unowned = std::find_if(widgets.begin(), widgets.end(), [&root](const IBaseWidget* widget) {
            return widget != &root && !widget->m_parent;
        });
        if (unowned == widgets.end())
            return;
        assert((*unowned)->MadeWithNew() && "only a widget made with new can be deleted");
        delete *unowned;
    }
}

} // namespace GUI
