#pragma once

// Index of this file:
//   CResourceHandle - the class
//   Definitions     - its members, defined here as a template's are

#include <cassert>

#include "resources/ResourceManager.h"

//------------------------------------------------------------------ CResourceHandle

// A counted reference to one object of the resource manager. Handles are
// assigned, never copied: an assignment moves this handle's reference over
// to the other handle's entry. No handle may outlive the manager.
template <typename T>
class CResourceHandle
{
public:
    CResourceHandle() : m_resource(nullptr), m_position() {}    // empty
    ~CResourceHandle();                     // gives its reference back to the manager
    // Only assigned, so that a reference is never counted twice.
    CResourceHandle(const CResourceHandle&) = delete;
    CResourceHandle& operator=(const CResourceHandle& other);    // shares other's entry; see below

    // Gives up the entry held, then refers to the file's object, loading it once; empty on failure.
    template <typename Options>
    void Load(const char* fileName, const Options& options);

    T*                          m_resource; // the shared object; null when empty or failed
    CResourceManager::Position  m_position; // the manager's entry; meaningful only with m_resource
};

//------------------------------------------------------------------ Definitions

template <typename T>
CResourceHandle<T>::~CResourceHandle()
{
    assert(!m_resource || CResourceManager::Instance());
    if (m_resource)
        CResourceManager::Instance()->ReleaseResource(m_position);
}

// The entry given up is not destroyed here, even at a count of zero: it
// stays until the manager reports it as an orphan at shutdown.
template <typename T>
CResourceHandle<T>& CResourceHandle<T>::operator=(const CResourceHandle& other)
{
    if (m_resource)
        m_position->second->DropReference();
    m_resource = other.m_resource;
    m_position = other.m_position;
    if (m_resource)
        m_position->second->AddReference();
    else
        m_position = CResourceManager::Position();
    return *this;
}

template <typename T>
template <typename Options>
void CResourceHandle<T>::Load(const char* fileName, const Options& options)
{
    CResourceManager* manager = CResourceManager::Instance();
    if (m_resource)
        manager->ReleaseResource(m_position);
    m_resource = nullptr;
    if (!manager->GetResource<T>(fileName, options, m_position))
        return;
    manager->LookupResource(m_position, m_resource);
    if (m_resource)
        return;
    g_engineLog.SetLevel(Error);
    g_engineLog << "Tried to get the resource of an invalid iterator";
    g_engineLog.Commit();
}
