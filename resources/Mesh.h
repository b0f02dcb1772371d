#pragma once

#include <cstdint>
#include <string>

class CFile;

// Triangle meshes: the data read from a file (CMeshData), how it is handed to
// OpenGL (MeshOptions), the drawable mesh (CMeshObject), and the 3D Studio
// reader that fills the data (Read3DS).
// Unused by the game, which loads no mesh: kept for a future 3D scene; tests and the mesh fuzzer use it.

//------------------------------------------------------------------ Mesh data

const std::uint8_t kMeshHasVertices = 1;    // CMeshData::flags: a vertex list was read
const std::uint8_t kMeshHasNormals  = 2;    // CMeshData::flags: normals were computed

// The arrays of one mesh, owned.
class CMeshData
{
public:
    CMeshData();                            // empty: null arrays, counts and flags 0
    ~CMeshData();                           // frees the arrays
    // The one owner of its arrays.
    CMeshData(const CMeshData&) = delete;
    CMeshData& operator=(const CMeshData&) = delete;

    void Clear();                           // frees the arrays, zeroes the counts and flags

    float*         vertices;                // vertexCount x (x, y, z), owned
    float*         normals;                 // vertexCount unit normals (x, y, z), owned
    float*         colors;                  // vertexCount x (r, g, b), owned; no reader fills it
    float*         texCoords;               // vertexCount x (s, t), owned; no reader fills it
    std::uint16_t* faces;                   // faceCount x three vertex indices, owned
    std::uint32_t  vertexCount;             // entries of vertices, normals, colors and texCoords
    std::uint32_t  faceCount;               // triangles in faces
    float          boundsMin[3];            // the vertices' box as read, before scaling
    float          boundsMax[3];            // the far corner of that box
    float          radius;                  // farthest vertex from the origin, as read
    std::uint8_t   flags;                   // kMeshHasVertices | kMeshHasNormals
};

//------------------------------------------------------------------ Options

// How a mesh is handed to OpenGL.
enum MeshMode : std::uint32_t
{
    MeshDisplayList   = 0,                  // compiled into a display list
    MeshVertexBuffers = 1,                  // needs GL_ARB_vertex_buffer_object, else client arrays
    MeshClientArrays  = 2,                  // drawn from the arrays in memory at every frame
    MeshImmediate     = 3                   // any value above 2 means the same
};

// What the resource manager's mesh loader is given.
struct MeshOptions
{
    std::uint32_t mode = MeshDisplayList;   // a MeshMode
};

//------------------------------------------------------------------ Mesh object

// A mesh handed to OpenGL in one of the four modes. Needs a current context
// from Create to destruction, which frees its list or buffers.
class CMeshObject
{
public:
    using DrawRoutine = void (*)(const CMeshObject& mesh);    // one of the Draw routines below

    CMeshObject();                          // not created; Draw does nothing
    ~CMeshObject();                         // frees its list or buffers; needs the context
    // The one owner of its list or buffers.
    CMeshObject(const CMeshObject&) = delete;
    CMeshObject& operator=(const CMeshObject&) = delete;

    bool Create(const MeshOptions& options, const std::string& fileName);  // false only when no display list can be made
    void Draw() const;                          // nothing before Create

    static void DrawList(const CMeshObject& mesh);      // the list, then the marker mesh
    static void DrawBuffers(const CMeshObject& mesh);    // from the vertex and index buffers
    static void DrawArrays(const CMeshObject& mesh);    // from the client arrays
    static void DrawImmediate(const CMeshObject& mesh); // positions only, no normals

    DrawRoutine   m_draw;                   // chosen by Create; null before
    std::uint32_t m_list;                   // display list (mode 0) or vertex buffer (mode 1) name
    std::uint32_t m_indexBuffer;            // index buffer name (mode 1)
    std::uint32_t m_mode;                   // the mode in use: 2 when mode 1 had no buffers to use
    CMeshData     m_data;                   // the arrays read; the client arrays and immediate modes draw from them
};

//------------------------------------------------------------------ 3D Studio reader

// Reads the last triangle mesh of a 3D Studio file into empty data, computes
// its normals and scales it so that its box fits within +-1/0.6. False, with
// the data cleared, when the file does not start with the main chunk or does
// not hold together: a chunk longer than its parent or the file, a chunk too
// short for its content, an object name of 512 bytes or more, a face index
// outside the vertex list, or an early end.
bool Read3DS(CFile& file, CMeshData& data);
