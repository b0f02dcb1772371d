#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "resources/File.h"
#include "resources/Mesh.h"

// Reads one input as a 3D Studio file; an accepted mesh must index only its
// own vertices, and a rejected one must leave nothing behind.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFile file;
    if (!file.Open(FuzzInputFile(data, size)))
        std::abort();
    CMeshData mesh;
    if (!Read3DS(file, mesh))
    {
        if (mesh.vertices || mesh.normals || mesh.faces || mesh.vertexCount || mesh.faceCount || mesh.flags)
            std::abort();
        return 0;
    }
    if (mesh.faceCount && !(mesh.flags & kMeshHasNormals))
        std::abort();
    for (std::uint32_t index = 0; index < 3 * mesh.faceCount; ++index)
        if (mesh.faces[index] >= mesh.vertexCount)
            std::abort();
    // Touches the last component of each array, so that a short one shows up at once.
    if (mesh.vertexCount)
    {
        volatile float last = mesh.vertices[3 * mesh.vertexCount - 1];
        if (mesh.normals)
            last = mesh.normals[3 * mesh.vertexCount - 1];
        (void)last;
    }
    return 0;
}
