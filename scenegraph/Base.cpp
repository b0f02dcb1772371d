#include "scenegraph/Base.h"

namespace Scenegraph
{

IBase::IBase() {}

// Children die last-added first.
IBase::~IBase()
{
    while (!m_children.empty())
    {
        delete m_children.back();
        m_children.pop_back();
    }
}

void IBase::Update(double) {}

void IBase::Prepare() {}

void IBase::Render() {}

void IBase::Finish() {}

float IBase::Distance() const
{
    return 0.0f;
}

void IBase::AddChild(IBase* child)
{
    m_children.push_back(child);
}

void IBase::UpdateTree(double elapsed)
{
    Update(elapsed);
    for (IBase* child : m_children)
        child->UpdateTree(elapsed);
}

} // namespace Scenegraph
