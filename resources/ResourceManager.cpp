#include "resources/ResourceManager.h"

#include "resources/Mesh.h"
#include "resources/Texture.h"

CResourceManager::CResourceManager()
{
    RegisterLoader("tga", new IDerivedResourceLoader<CTextureObject, CTextureData, TextureOptions>(ReadTGA));
    RegisterLoader("3ds", new IDerivedResourceLoader<CMeshObject, CMeshData, MeshOptions>(Read3DS));
}

// Whatever is still held at this point is reported, then freed.
CResourceManager::~CResourceManager()
{
    if (!m_resources.empty())
    {
        g_engineLog.SetLevel(Warning);
        g_engineLog << static_cast<std::uint32_t>(m_resources.size())
                    << " orphaned resource(s) found. These will now be deleted.\nResource filenames:\n";
        for (auto& entry : m_resources)
        {
            g_engineLog << "\t" << entry.first << "\n";
            delete entry.second;
        }
        m_resources.clear();
        g_engineLog.Commit();
    }

    for (auto& entry : m_loaders)
        delete entry.second;
    m_loaders.clear();
}

// The first loader of an extension stays; a second one is owned all the
// same, and freed at once.
void CResourceManager::RegisterLoader(const char* extension, IResourceLoader* loader)
{
    if (!m_loaders.emplace(extension, loader).second)
        delete loader;
}

void CResourceManager::ReleaseResource(Position position)
{
    if (!position->second->DropReference())
        return;
    delete position->second;
    m_resources.erase(position);
}

// The extension is what follows the last '.' anywhere in the name, so a '.'
// in a directory counts too; a name without one is its own extension.
IResourceLoader* CResourceManager::FindLoader(const std::string& fileName) const
{
    const std::size_t dot = fileName.rfind('.');
    const std::string extension = dot == std::string::npos ? fileName : fileName.substr(dot + 1);
    const auto found = m_loaders.find(extension);
    return found == m_loaders.end() ? nullptr : found->second;
}
