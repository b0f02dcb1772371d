#include <cmath>
#include <cstring>

#include "resources/File.h"
#include "resources/Mesh.h"
#include "scenegraph/Math.h"

namespace
{

const std::uint16_t kMainChunk         = 0x4D4D;
const std::uint16_t kEditorChunk       = 0x3D3D;
const std::uint16_t kObjectChunk       = 0x4000;
const std::uint16_t kTriangleMeshChunk = 0x4100;
const std::uint16_t kVertexListChunk   = 0x4110;
const std::uint16_t kFaceListChunk     = 0x4120;

const std::uint32_t kHeaderBytes   = 6;     // identifier, then length
const std::uint32_t kNameBytes     = 512;   // longest object name, its zero included
const std::uint32_t kVertexBytes   = 12;    // three floats
const std::uint32_t kFaceBytes     = 8;     // three indices and a flag word
const unsigned      kDeepestNesting = 32;   // chunks open at once; editor chunks may nest

struct Chunk
{
    std::uint16_t id;
    std::uint32_t length;                   // bytes, header included
    std::uint32_t consumed;                 // bytes read so far, header included

    std::uint32_t Remaining() const { return length - consumed; }
};

std::uint16_t Uint16At(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t Uint32At(const std::uint8_t* bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

float FloatAt(const std::uint8_t* bytes)
{
    const std::uint32_t word = Uint32At(bytes);
    float value;
    std::memcpy(&value, &word, sizeof value);
    return value;
}

// Walks the chunk tree keeping every read inside the chunk that holds it,
// and every chunk inside its parent and the file, so the arrays are only
// ever filled from bytes that belong to them.
class C3dsReader
{
public:
    C3dsReader(CFile& file, CMeshData& data) : m_file(file), m_data(data), m_depth(0) {}

    bool Read();

private:
    using Handler = bool (C3dsReader::*)(Chunk& chunk);

    bool ReadHeader(Chunk& chunk, std::uint32_t room);
    bool ReadBytes(Chunk& chunk, void* destination, std::uint32_t count);
    bool ReadCount(Chunk& chunk, std::uint32_t& count);
    bool ReadChildren(Chunk& parent, Handler handler);
    bool Skip(std::uint32_t count);

    bool ReadEditorChild(Chunk& chunk);     // inside the main chunk and editor chunks
    bool ReadObjectChild(Chunk& chunk);
    bool ReadMeshChild(Chunk& chunk);
    bool SkipChild(Chunk& chunk);

    bool ReadObject(Chunk& chunk);
    bool ReadTriangleMesh(Chunk& chunk);
    bool ReadVertices(Chunk& chunk);
    bool ReadFaces(Chunk& chunk);
    bool FacesInsideVertices() const;
    void ComputeNormals();
    void Scale();

    CFile&     m_file;
    CMeshData& m_data;
    unsigned   m_depth;                     // chunks open now
};

bool C3dsReader::Read()
{
    Chunk main;
    if (!ReadHeader(main, m_file.Size() - m_file.Position()) || main.id != kMainChunk)
        return false;
    if (!ReadChildren(main, &C3dsReader::ReadEditorChild))
        return false;
    Scale();
    return true;
}

bool C3dsReader::ReadHeader(Chunk& chunk, std::uint32_t room)
{
    std::uint8_t bytes[kHeaderBytes];
    if (room < kHeaderBytes || m_file.Read(bytes, kHeaderBytes) != kHeaderBytes)
        return false;
    chunk.id = Uint16At(bytes);
    chunk.length = Uint32At(bytes + 2);
    chunk.consumed = kHeaderBytes;
    return chunk.length >= kHeaderBytes && chunk.length <= room;
}

bool C3dsReader::ReadBytes(Chunk& chunk, void* destination, std::uint32_t count)
{
    if (count > chunk.Remaining() || m_file.Read(destination, count) != count)
        return false;
    chunk.consumed += count;
    return true;
}

bool C3dsReader::ReadCount(Chunk& chunk, std::uint32_t& count)
{
    std::uint8_t bytes[2];
    if (!ReadBytes(chunk, bytes, sizeof bytes))
        return false;
    count = Uint16At(bytes);
    return true;
}

// Whatever a handler leaves unread of a child is skipped, so the file
// position always agrees with the byte counts.
bool C3dsReader::ReadChildren(Chunk& parent, Handler handler)
{
    if (++m_depth > kDeepestNesting)
        return false;
    while (parent.consumed < parent.length)
    {
        Chunk child;
        if (!ReadHeader(child, parent.Remaining()) || !(this->*handler)(child))
            return false;
        if (!Skip(child.Remaining()))
            return false;
        parent.consumed += child.length;
    }
    --m_depth;
    return true;
}

// A seek that lands exactly on the end of the file fails; a chunk that ends
// there ends every chunk around it too, so nothing is read after it.
bool C3dsReader::Skip(std::uint32_t count)
{
    if (count == 0)
        return true;
    const std::uint64_t end = static_cast<std::uint64_t>(m_file.Position()) + count;
    return m_file.Seek(count, 1) || end == m_file.Size();
}

bool C3dsReader::ReadEditorChild(Chunk& chunk)
{
    if (chunk.id == kEditorChunk)
        return ReadChildren(chunk, &C3dsReader::ReadEditorChild);
    if (chunk.id == kObjectChunk)
        return ReadObject(chunk);
    return true;
}

bool C3dsReader::ReadObjectChild(Chunk& chunk)
{
    return chunk.id != kTriangleMeshChunk || ReadTriangleMesh(chunk);
}

bool C3dsReader::ReadMeshChild(Chunk& chunk)
{
    if (chunk.id == kVertexListChunk)
        return ReadVertices(chunk);
    if (chunk.id == kFaceListChunk)
        return ReadFaces(chunk);
    return true;
}

bool C3dsReader::SkipChild(Chunk&)
{
    return true;
}

// The name is not kept; it only has to end within its buffer.
bool C3dsReader::ReadObject(Chunk& chunk)
{
    char name[kNameBytes];
    std::uint32_t length = 0;
    do
    {
        if (length == kNameBytes || !ReadBytes(chunk, name + length, 1))
            return false;
    } while (name[length++] != '\0');
    return ReadChildren(chunk, &C3dsReader::ReadObjectChild);
}

bool C3dsReader::ReadTriangleMesh(Chunk& chunk)
{
    // Each mesh starts afresh, so that no list of an earlier one is mixed
    // with the lists of the last.
    m_data.Clear();
    if (!ReadChildren(chunk, &C3dsReader::ReadMeshChild) || !FacesInsideVertices())
        return false;
    ComputeNormals();
    return true;
}

bool C3dsReader::ReadVertices(Chunk& chunk)
{
    std::uint32_t count;
    if (!ReadCount(chunk, count) || kVertexBytes * count > chunk.Remaining())
        return false;
    delete[] m_data.vertices;
    m_data.vertices = new float[3 * count]();
    m_data.vertexCount = count;
    m_data.flags |= kMeshHasVertices;

    float boundsMin[3] = {999, 999, 999};
    float boundsMax[3] = {-999, -999, -999};
    float farthest = 0;                     // squared distance from the origin
    for (std::uint32_t vertex = 0; vertex < count; ++vertex)
    {
        std::uint8_t bytes[kVertexBytes];
        if (!ReadBytes(chunk, bytes, kVertexBytes))
            return false;
        float* position = m_data.vertices + 3 * vertex;
        for (int axis = 0; axis < 3; ++axis)
        {
            position[axis] = FloatAt(bytes + 4 * axis);
            if (position[axis] < boundsMin[axis])
                boundsMin[axis] = position[axis];
            if (position[axis] > boundsMax[axis])
                boundsMax[axis] = position[axis];
        }
        const float squared = Scenegraph::Dot(position, position);
        if (squared > farthest)
            farthest = squared;
    }
    std::memcpy(m_data.boundsMin, boundsMin, sizeof boundsMin);
    std::memcpy(m_data.boundsMax, boundsMax, sizeof boundsMax);
    m_data.radius = std::sqrt(farthest);
    return true;
}

bool C3dsReader::ReadFaces(Chunk& chunk)
{
    std::uint32_t count;
    if (!ReadCount(chunk, count) || kFaceBytes * count > chunk.Remaining())
        return false;
    delete[] m_data.faces;
    m_data.faces = new std::uint16_t[3 * count];
    m_data.faceCount = count;
    for (std::uint32_t face = 0; face < count; ++face)
    {
        std::uint8_t bytes[kFaceBytes];
        if (!ReadBytes(chunk, bytes, kFaceBytes))
            return false;
        for (int corner = 0; corner < 3; ++corner)
            m_data.faces[3 * face + corner] = Uint16At(bytes + 2 * corner);
    }
    return ReadChildren(chunk, &C3dsReader::SkipChild);
}

bool C3dsReader::FacesInsideVertices() const
{
    for (std::uint32_t index = 0; index < 3 * m_data.faceCount; ++index)
        if (m_data.faces[index] >= m_data.vertexCount)
            return false;
    return true;
}

// Each face adds its unnormalised normal to its three corners, so larger
// faces weigh more in the shared vertices' normals.
void C3dsReader::ComputeNormals()
{
    delete[] m_data.normals;
    m_data.normals = new float[3 * m_data.vertexCount]();
    m_data.flags |= kMeshHasNormals;
    for (std::uint32_t face = 0; face < m_data.faceCount; ++face)
    {
        const std::uint16_t* corners = m_data.faces + 3 * face;
        const float* v0 = m_data.vertices + 3 * corners[0];
        const float* v1 = m_data.vertices + 3 * corners[1];
        const float* v2 = m_data.vertices + 3 * corners[2];
        const float e1[3] = {v1[0] - v0[0], v1[1] - v0[1], v1[2] - v0[2]};
        const float e2[3] = {v2[0] - v0[0], v2[1] - v0[1], v2[2] - v0[2]};
        float normal[3];
        Scenegraph::Cross(e1, e2, normal);
        for (int corner = 0; corner < 3; ++corner)
            for (int axis = 0; axis < 3; ++axis)
                m_data.normals[3 * corners[corner] + axis] += normal[axis];
    }
    for (std::uint32_t vertex = 0; vertex < m_data.vertexCount; ++vertex)
        Scenegraph::Normalize(m_data.normals + 3 * vertex);
}

// A model whose box is a point at the origin has no size to scale by, and
// is left as it is.
void C3dsReader::Scale()
{
    float largest = 0;
    for (int axis = 0; axis < 3; ++axis)
        largest = std::fmax(largest, std::fmax(std::fabs(m_data.boundsMin[axis]), std::fabs(m_data.boundsMax[axis])));
    if (!(largest > 0))
        return;
    const float scale = 1.0f / (largest * 0.6f);
    for (std::uint32_t component = 0; component < 3 * m_data.vertexCount; ++component)
        m_data.vertices[component] *= scale;
}

} // namespace

bool Read3DS(CFile& file, CMeshData& data)
{
    C3dsReader reader(file, data);
    if (reader.Read())
        return true;
    data.Clear();
    return false;
}
