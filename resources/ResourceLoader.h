#pragma once

// Index of this file:
//   IResourceLoader        - what the manager calls
//   IDerivedResourceLoader - the loader of one object type, from its data reader

#include <type_traits>
#include <typeinfo>

#include "engine/Log.h"
#include "resources/File.h"

//------------------------------------------------------------------ IResourceLoader

// Builds one kind of object from an open file. The manager picks the loader
// by the file's extension and owns it.
class IResourceLoader
{
public:
    virtual ~IResourceLoader() = default;   // loaders are owned by the manager

    // The options point to the Options type of the derived loader; the
    // result is a new object of its Object type, or null.
    virtual void* Load(CFile& file, const void* options) = 0;

    virtual const std::type_info& ObjectType() const = 0;  // the type of what Load builds
};

//------------------------------------------------------------------ IDerivedResourceLoader

// The part of an object that a data reader fills: the object itself when it
// derives from its data (textures), its m_data member otherwise (meshes).
template <typename Data, typename Object>
Data& ResourceData(Object& object)
{
    if constexpr (std::is_base_of_v<Data, Object>)
        return object;
    else
        return object.m_data;
}

// The Object's Create takes the options and the file's name, which its own
// log lines quote.
template <typename Object, typename Data, typename Options>
class IDerivedResourceLoader : public IResourceLoader
{
public:
    using ReadData = bool (*)(CFile&, Data&);    // a decoder: false when the bytes are not a valid file

    explicit IDerivedResourceLoader(ReadData readData) : m_readData(readData) {}    // readData decodes the files

    // decodes, then Object::Create; null with a log line on failure
    void* Load(CFile& file, const void* options) override;
    const std::type_info& ObjectType() const override { return typeid(Object); }   // Object

private:
    ReadData m_readData;                    // decodes the file's bytes into the Data part
};

template <typename Object, typename Data, typename Options>
void* IDerivedResourceLoader<Object, Data, Options>::Load(CFile& file, const void* options)
{
    Object* object = new Object();
    if (!m_readData(file, ResourceData<Data>(*object)))
    {
        g_generalLog.SetLevel(Error);
        g_generalLog << "Couldn't load resource data from " << file.Name();
        g_generalLog.Commit();
        delete object;
        return nullptr;
    }
    if (!object->Create(*static_cast<const Options*>(options), file.Name()))
    {
        delete object;
        g_generalLog.SetLevel(Error);
        g_generalLog << "Couldn't create resource from " << file.Name();
        g_generalLog.Commit();
        return nullptr;
    }
    return object;
}
