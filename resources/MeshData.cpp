#include "resources/Mesh.h"

CMeshData::CMeshData()
    : vertices(nullptr), normals(nullptr), colors(nullptr), texCoords(nullptr), faces(nullptr),
      vertexCount(0), faceCount(0), boundsMin{0, 0, 0}, boundsMax{0, 0, 0}, radius(0), flags(0)
{
}

CMeshData::~CMeshData()
{
    Clear();
}

void CMeshData::Clear()
{
    delete[] vertices;
    delete[] normals;
    delete[] colors;
    delete[] texCoords;
    delete[] faces;
    vertices = normals = colors = texCoords = nullptr;
    faces = nullptr;
    vertexCount = faceCount = 0;
    flags = 0;
}
