#include "engine/MadeWithNew.h"

#include <new>

namespace
{

// Set by operator new, taken by the constructor that runs right after it.
thread_local bool g_newObjectPending = false;

} // namespace

void* CMadeWithNew::operator new(std::size_t size)
{
    void* memory = ::operator new(size);
    g_newObjectPending = true;
    return memory;
}

void CMadeWithNew::operator delete(void* memory)
{
    ::operator delete(memory);
}

CMadeWithNew::CMadeWithNew() : m_madeWithNew(g_newObjectPending)
{
    g_newObjectPending = false;
}
