#pragma once

// Index of this file:
//   CResourceManager - the class
//   Definitions      - its template members

#include <cassert>
#include <cstring>
#include <map>
#include <string>

#include "engine/Log.h"
#include "engine/Singleton.h"
#include "resources/File.h"
#include "resources/ResourceLoader.h"
#include "resources/ResourceWrapper.h"

//------------------------------------------------------------------ CResourceManager

// Loads each file once, by its name, through the loader of its extension,
// and keeps the object while handles count references to it. Users hold
// CResourceHandle (resources/ResourceHandle.h), not the manager's entries.
class CResourceManager : public ISingleton<CResourceManager>
{
public:
    using ResourceMap = std::map<std::string, IBaseResourceWrapper*>;    // the entries by file name
    using Position = ResourceMap::iterator; // an entry, as handles keep it

    CResourceManager();                     // the loaders of "tga" and "3ds" registered
    ~CResourceManager() override;           // logs and deletes the entries left over, then the loaders
    // The one owner of the entries and loaders.
    CResourceManager(const CResourceManager&) = delete;
    CResourceManager& operator=(const CResourceManager&) = delete;

    // takes ownership; the first of an extension stays
    void RegisterLoader(const char* extension, IResourceLoader* loader);
    // The file's entry, with one more reference to it; the file is loaded on
    // first use. False with a log line when it cannot be.
    template <typename T, typename Options>
    bool GetResource(const char* fileName, const Options& options, Position& position);
    // The object of an entry got from GetResource<T>.
    template <typename T>
    void LookupResource(Position& position, T*& object);
    void ReleaseResource(Position position);    // one reference less; the last one frees the object

private:
    IResourceLoader* FindLoader(const std::string& fileName) const;

    ResourceMap                             m_resources;  // by file name, bytewise; wrappers owned
    std::map<std::string, IResourceLoader*> m_loaders;    // by extension, bytewise; loaders owned
};

//------------------------------------------------------------------ Definitions

// The object's type must be the one that the extension's loader builds:
// textures through "tga" names, meshes through "3ds" names.
template <typename T, typename Options>
bool CResourceManager::GetResource(const char* fileName, const Options& options, Position& position)
{
    if (!fileName || !*fileName)
        return false;

    const std::string name(fileName);
    const Position found = m_resources.find(name);
    if (found != m_resources.end())
    {
        found->second->AddReference();
        position = found;
        return true;
    }

    IResourceLoader* loader = FindLoader(name);
    if (!loader)
    {
        g_generalLog.SetLevel(Error);
        g_generalLog << "Couldn't find a loader for " << name;
        g_generalLog.Commit();
        return false;
    }

    assert(loader->ObjectType() == typeid(T));
    CFile file;
    if (!file.Open(name))
    {
        g_generalLog.SetLevel(Error);
        g_generalLog << "Couldn't read file " << name;
        g_generalLog.Commit();
        return false;
    }

    T* object = static_cast<T*>(loader->Load(file, &options));
    if (!object)
    {
        g_generalLog.SetLevel(Error);
        g_generalLog << name << " could not be created.";
        g_generalLog.Commit();
        return false;
    }

    g_generalLog.SetLevel(Message);
    g_generalLog << name << " loaded succesfully.";
    g_generalLog.Commit();

    position = m_resources.emplace(name, new IDerivedResourceWrapper<T>(object)).first;
    return true;
}

template <typename T>
void CResourceManager::LookupResource(Position& position, T*& object)
{
    const Position found = m_resources.find(position->first);
    if (found == m_resources.end())
        return;
    position = found;
    assert(dynamic_cast<IDerivedResourceWrapper<T>*>(found->second));
    object = static_cast<IDerivedResourceWrapper<T>*>(found->second)->m_object;
}
