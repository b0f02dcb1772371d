#include "input/KeyMap.h"

namespace Input
{
namespace Keyboard
{

CKeyMap::~CKeyMap()
{
    while (!m_bindings.empty())
    {
        delete m_bindings.back().action;
        m_bindings.pop_back();
    }
}

void CKeyMap::AddBinding(const Binding& binding)
{
    m_bindings.push_back(binding);
}

} // namespace Keyboard
} // namespace Input
