#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/resources/TestFiles.h"

// Builds 3D Studio files for the mesh tests: a chunk is a little-endian
// identifier and length followed by its content. Vertices are lists of x, y,
// z and faces lists of three indices, one after the other.
namespace MeshFile
{

using Bytes = std::string;

inline Bytes U16(std::uint32_t value) { return {static_cast<char>(value), static_cast<char>(value >> 8)}; }
inline Bytes U32(std::uint32_t value) { return U16(value & 0xFFFF) + U16(value >> 16); }
inline Bytes Chunk(std::uint16_t id, const Bytes& content) { return U16(id) + U32(6 + content.size()) + content; }

// The floats go in as this (little-endian) machine holds them.
inline Bytes VertexList(const std::vector<float>& coordinates)
{
    return Chunk(0x4110, U16(coordinates.size() / 3) +
                             Bytes(reinterpret_cast<const char*>(coordinates.data()), 4 * coordinates.size()));
}

inline Bytes FaceList(const std::vector<std::uint16_t>& indices, const Bytes& subChunks = "")
{
    Bytes content = U16(indices.size() / 3);
    for (std::size_t face = 0; face < indices.size(); face += 3)
        content += U16(indices[face]) + U16(indices[face + 1]) + U16(indices[face + 2]) + U16(7);
    return Chunk(0x4120, content + subChunks);
}

inline Bytes Object(const Bytes& name, const Bytes& children) { return Chunk(0x4000, name + '\0' + children); }
inline Bytes Model(const Bytes& mesh) { return Chunk(0x4D4D, Chunk(0x3D3D, Object("cube", Chunk(0x4100, mesh)))); }

// Corner i has x = +2 when bit 0 is set, y when bit 1 is, z when bit 2 is.
inline const std::vector<float> kCubeVertices = {-2, -2, -2, 2, -2, -2, -2, 2, -2, 2, 2, -2,
                                                 -2, -2, 2,  2, -2, 2,  -2, 2, 2,  2, 2, 2};
inline const std::vector<std::uint16_t> kCubeFaces = {0, 2, 3, 0, 3, 1, 4, 5, 7, 4, 7, 6, 0, 1, 5, 0, 5, 4,
                                                      2, 6, 7, 2, 7, 3, 0, 4, 6, 0, 6, 2, 1, 3, 7, 1, 7, 5};

inline Bytes Cube() { return Model(VertexList(kCubeVertices) + FaceList(kCubeFaces)); }

} // namespace MeshFile
