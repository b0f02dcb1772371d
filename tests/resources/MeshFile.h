#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// Builds 3D Studio files byte by byte for the mesh tests: chunks are a
// little-endian identifier and length followed by their content.
namespace MeshFile
{

using Bytes = std::string;
using Vertex = std::array<float, 3>;
using Face = std::array<std::uint16_t, 3>;

inline Bytes U16(std::uint16_t value)
{
    return Bytes{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

inline Bytes U32(std::uint32_t value)
{
    return U16(value & 0xFFFF) + U16(value >> 16);
}

inline Bytes Chunk(std::uint16_t id, const Bytes& content)
{
    return U16(id) + U32(static_cast<std::uint32_t>(6 + content.size())) + content;
}

inline Bytes VertexList(const std::vector<Vertex>& vertices)
{
    Bytes content = U16(static_cast<std::uint16_t>(vertices.size()));
    for (const Vertex& vertex : vertices)
        for (float component : vertex)
        {
            std::uint32_t word;
            std::memcpy(&word, &component, sizeof word);
            content += U32(word);
        }
    return Chunk(0x4110, content);
}

inline Bytes FaceList(const std::vector<Face>& faces, const Bytes& subChunks = "")
{
    Bytes content = U16(static_cast<std::uint16_t>(faces.size()));
    for (const Face& face : faces)
        content += U16(face[0]) + U16(face[1]) + U16(face[2]) + U16(7);
    return Chunk(0x4120, content + subChunks);
}

inline Bytes Object(const Bytes& name, const Bytes& children)
{
    return Chunk(0x4000, name + Bytes(1, '\0') + children);
}

inline Bytes Model(const Bytes& triangleMeshContent)
{
    return Chunk(0x4D4D, Chunk(0x3D3D, Object("cube", Chunk(0x4100, triangleMeshContent))));
}

// Corner i has x = +2 when bit 0 is set, y when bit 1 is, z when bit 2 is.
inline std::vector<Vertex> CubeVertices()
{
    std::vector<Vertex> corners;
    for (int i = 0; i < 8; ++i)
        corners.push_back({i & 1 ? 2.0f : -2.0f, i & 2 ? 2.0f : -2.0f, i & 4 ? 2.0f : -2.0f});
    return corners;
}

inline std::vector<Face> CubeFaces()
{
    return {{0, 2, 3}, {0, 3, 1}, {4, 5, 7}, {4, 7, 6}, {0, 1, 5}, {0, 5, 4},
            {2, 6, 7}, {2, 7, 3}, {0, 4, 6}, {0, 6, 2}, {1, 3, 7}, {1, 7, 5}};
}

inline Bytes Cube()
{
    return Model(VertexList(CubeVertices()) + FaceList(CubeFaces()));
}

inline std::string Write(const std::string& path, const Bytes& bytes)
{
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    return path;
}

} // namespace MeshFile
