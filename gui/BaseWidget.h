#pragma once

#include <vector>

#include "engine/MadeWithNew.h"
#include "gui/MouseState.h"

namespace GUI
{

// A node of the widget tree: a rectangle in window pixels (origin bottom
// left, y up) that owns its children. Widgets join the tree through
// AddChild on their parent and die with it, so every widget but the root is
// made with new.
class IBaseWidget : public CMadeWithNew
{
public:
    IBaseWidget();                          // visible, all edges 0
    IBaseWidget(int x, int y, int width, int height);   // visible
    virtual ~IBaseWidget();                 // deletes the children
    // The one owner of its children.
    IBaseWidget(const IBaseWidget&) = delete;
    IBaseWidget& operator=(const IBaseWidget&) = delete;

    virtual void Layout();                  // places what depends on sizes; the children's Layout by default
    virtual int  GetWidth() const;          // pixels
    virtual int  GetHeight() const;         // pixels
    virtual bool Draw();                    // true when the children are to be drawn
    virtual bool Contains(const MouseState& mouse) const;    // the pointer strictly inside the rectangle
    virtual void OnEvent(int event, const MouseState& mouse);    // a WidgetEvent; Show and Hide set m_visible

    void AddChild(IBaseWidget* child);      // takes ownership
    void RemoveChild(IBaseWidget* child);   // gives ownership back to the caller
    void DeleteChildren();                  // deletes every child, last added first

    bool                      m_visible;    // Show sets it, Hide clears it
    int                       m_left;       // pixels
    int                       m_right;      // pixels
    int                       m_bottom;     // pixels
    int                       m_top;        // pixels
    std::vector<IBaseWidget*> m_children;   // insertion order; owned
    IBaseWidget*              m_parent;     // owns this widget; null for the root
};

// Draws a widget, then, if its Draw says so, its children in insertion order.
void DrawTree(IBaseWidget* widget);

// Deletes every widget but the root that has no parent: the screens and
// widgets that a construction cut short by an exception made and never handed
// over. For a failed start only, once the root's own tree is gone.
void DeleteUnownedWidgets(const IBaseWidget& root);

} // namespace GUI
