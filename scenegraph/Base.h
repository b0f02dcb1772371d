#pragma once

#include <list>

namespace Scenegraph
{

// A node of the scene graph. The engine keeps one root under which nothing
// is hung yet; its update runs at a fixed step all the same.
// Unused by the game: AddChild and the drawing steps await a future 3D scene; tests cover the tree.
class IBase
{
public:
    IBase();                                // no children
    virtual ~IBase();                       // deletes the children
    // The one owner of its children.
    IBase(const IBase&) = delete;
    IBase& operator=(const IBase&) = delete;

    virtual void  Update(double elapsed);   // seconds since the last step
    virtual void  Prepare();                // the drawing steps, in this order; empty here
    virtual void  Render();                 // second: the node itself
    virtual void  Finish();                 // last: what the node's drawing left to undo
    virtual float Distance() const;         // from the camera, for sorting; 0 here

    void AddChild(IBase* child);            // takes ownership
    void UpdateTree(double elapsed);        // this node first, then each child, depth first

private:
    std::list<IBase*> m_children;           // owned, in the order added
};

} // namespace Scenegraph
