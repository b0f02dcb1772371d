#pragma once

#include <cstdint>

// One entry of the resource manager: the loaded object and the number of
// handles that refer to it.
class IBaseResourceWrapper
{
public:
    IBaseResourceWrapper() : m_refCount(1) {}    // the first reference, its loader's caller's
    virtual ~IBaseResourceWrapper() = default;    // the derived wrapper deletes the object
    // One entry per object: a copy would count its references apart.
    IBaseResourceWrapper(const IBaseResourceWrapper&) = delete;
    IBaseResourceWrapper& operator=(const IBaseResourceWrapper&) = delete;

    void AddReference();                    // one more handle refers to the entry
    bool DropReference();                   // true when the last reference went

    std::uint16_t m_refCount;               // references handed out for this entry
};

// A count that reaches its ceiling stays there: the entry is then kept until
// the manager goes, since a wrapped count would free an object still in use.
inline void IBaseResourceWrapper::AddReference()
{
    if (m_refCount < UINT16_MAX)
        ++m_refCount;
}

inline bool IBaseResourceWrapper::DropReference()
{
    if (m_refCount == UINT16_MAX || m_refCount == 0)
        return false;
    return --m_refCount == 0;
}

// The entry of one object of type T.
template <typename T>
class IDerivedResourceWrapper : public IBaseResourceWrapper
{
public:
    explicit IDerivedResourceWrapper(T* object) : m_object(object) {}    // takes ownership
    ~IDerivedResourceWrapper() override { delete m_object; }    // deletes the object

    T* m_object;                            // the loaded object, owned
};
