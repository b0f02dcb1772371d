#include <gmock/gmock.h>

#include <cmath>

#include "resources/File.h"
#include "resources/Mesh.h"
#include "tests/resources/MeshFile.h"

using namespace MeshFile;
using ::testing::FloatEq;
using ::testing::Pointwise;

namespace
{

std::vector<float> Floats(const float* values, std::size_t count) { return {values, values + count}; }

class MeshReaderTest : public ::testing::Test
{
protected:
    bool Read(const Bytes& bytes)
    {
        CFile file;
        EXPECT_TRUE(file.Open(WriteFile(::testing::TempDir() + "model.3ds", bytes)));
        return Read3DS(file, data);
    }

    CMeshData data;
};

} // namespace

TEST_F(MeshReaderTest, NormalsAreTheUnitSumOfTheFacesAround)
{
    // Face 0 lies in z = 0 facing +z, face 1 in y = 0 facing +y; they share
    // vertices 0 and 1. Vertex 3 belongs to no face.
    ASSERT_TRUE(Read(Model(VertexList({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 1}) + FaceList({0, 1, 2, 0, 4, 1}))));
    const float half = 0.70710677f;
    EXPECT_THAT(Floats(data.normals, 15), Pointwise(FloatEq(), {0.0f, half, half, 0.0f, half, half, 0.0f, 0.0f, 1.0f,
                                                                0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f}));
}

// The box and radius are kept as read. A model whose every vertex is at the
// origin has no size to scale by; the plain cube is read by the drawing tests.
TEST_F(MeshReaderTest, ModelIsScaledIntoItsBoxAndUnknownChunksAreSkippedWhereverTheyStand)
{
    const Bytes unknown = Chunk(0xB000, "keyframes");
    const Bytes version = Chunk(0x0002, U32(3));
    const Bytes mesh = unknown + VertexList(kCubeVertices) + Chunk(0x4160, Bytes(48, 'm')) +
                       FaceList(kCubeFaces, Chunk(0x4130, "material") + Chunk(0x4150, U32(1)));
    const Bytes editor = Chunk(0x3D3D, version + Chunk(0x3D3E, U32(10)) +
                                           Object("box", unknown + Chunk(0x4100, mesh) + Chunk(0x4600, "light")));
    ASSERT_TRUE(Read(Chunk(0x4D4D, version + unknown + Chunk(0x3D3D, editor) + unknown)));
    ASSERT_EQ(data.vertexCount, 8u);
    ASSERT_EQ(data.faceCount, 12u);
    EXPECT_EQ(data.flags, kMeshHasVertices | kMeshHasNormals);
    std::vector<float> corners;
    for (float coordinate : kCubeVertices)
        corners.push_back(coordinate > 0 ? 1.6666666f : -1.6666666f);
    EXPECT_THAT(Floats(data.vertices, 24), Pointwise(FloatEq(), corners));
    EXPECT_EQ(std::vector<std::uint16_t>(data.faces, data.faces + 36), kCubeFaces);
    EXPECT_EQ(Floats(data.boundsMin, 3), std::vector<float>(3, -2.0f));
    EXPECT_EQ(Floats(data.boundsMax, 3), std::vector<float>(3, 2.0f));
    EXPECT_FLOAT_EQ(data.radius, std::sqrt(12.0f));

    data.Clear();
    ASSERT_TRUE(Read(Model(VertexList(std::vector<float>(9, 0.0f)) + FaceList({0, 1, 2}))));
    EXPECT_EQ(Floats(data.vertices, 9), std::vector<float>(9, 0.0f));
    EXPECT_EQ(Floats(data.normals, 9), std::vector<float>(9, 0.0f));
    EXPECT_EQ(data.radius, 0.0f);
}

TEST_F(MeshReaderTest, FileThatDoesNotHoldTogetherIsRejectedAndLeavesNothing)
{
    const Bytes vertices = VertexList(kCubeVertices);
    const Bytes faces = FaceList(kCubeFaces);
    // The chunk with the low byte of its length changed.
    const auto length = [](Bytes chunk, std::size_t low) { chunk[2] = static_cast<char>(low); return chunk; };

    const struct { const char* what; Bytes bytes; } cases[] = {
        {"first chunk not 4D4D", Chunk(0x3D3D, Chunk(0x4D4D, ""))},
        {"empty file", ""},
        {"index at vertexCount", Model(vertices + FaceList({0, 1, 8}))},
        {"faces without vertices", Model(FaceList({0, 0, 0}))},
        {"512-byte name", Chunk(0x4D4D, Object(Bytes(512, 'n'), ""))},
        {"name running out of its chunk", Chunk(0x4D4D, Chunk(0x4000, "cube"))},
        {"vertex list shorter than its count", Model(length(vertices, 6 + 2 + 12 * 7) + faces)},
        {"face list longer than its parent", Model(vertices + length(faces, faces.size() + 1))},
        {"chunk shorter than its header", length(Cube(), 5)},
        {"trailing bytes too few for a header", Chunk(0x4D4D, Bytes(3, 'x'))},
        {"main chunk longer than the file", length(Cube(), Cube().size() + 1)},
        {"file ending early", Cube().substr(0, 60)},
        {"file ending inside the main header", Cube().substr(0, 4)},
    };
    for (const auto& bad : cases)
    {
        SCOPED_TRACE(bad.what);
        EXPECT_FALSE(Read(bad.bytes));
        EXPECT_TRUE(!data.vertices && !data.normals && !data.faces && !data.vertexCount && !data.faceCount && !data.flags);
    }
    EXPECT_TRUE(Read(Chunk(0x4D4D, Object(Bytes(511, 'n'), Chunk(0x4100, VertexList({1, 0, 0}))))));
}

TEST_F(MeshReaderTest, FileWithSeveralMeshesKeepsTheLastOne)
{
    const Bytes first = Object("a", Chunk(0x4100, VertexList(kCubeVertices) + FaceList(kCubeFaces)));
    const Bytes second = Object("b", Chunk(0x4100, VertexList({0, 0, 0, 3, 0, 0, 0, 3, 0}) + FaceList({0, 1, 2})));
    ASSERT_TRUE(Read(Chunk(0x4D4D, first + second)));
    EXPECT_EQ(std::make_pair(data.vertexCount, data.faceCount), std::make_pair(3u, 1u));
    EXPECT_FLOAT_EQ(data.vertices[3], 1.6666666f);

    // The cube's faces do not stay behind for a last mesh that has none.
    data.Clear();
    ASSERT_TRUE(Read(Chunk(0x4D4D, first + Object("c", Chunk(0x4100, VertexList({1, 1, 1}))))));
    EXPECT_EQ(std::make_pair(data.vertexCount, data.faceCount), std::make_pair(1u, 0u));
    EXPECT_EQ(data.faces, nullptr);
}
