#include "tools/assetgen/GlfWriter.h"

#include <cstring>

#include "tools/assetgen/Bytes.h"
#include "tools/assetgen/FontAtlas.h"

namespace
{

void PutFloat(std::vector<std::uint8_t>& bytes, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Bytes::PutLittle32(bytes, bits);
}

// Cell edges are whole texels of a power-of-two atlas, so every coordinate
// is exact in a float and the reader's truncated sizes come out whole.
float Coordinate(int texels, int atlasSize)
{
    return static_cast<float>(texels) / static_cast<float>(atlasSize);
}

std::vector<std::uint8_t> EncodeGlf(const FontAtlas& atlas)
{
    std::vector<std::uint8_t> bytes;
    Bytes::PutLittle32(bytes, 0);           // texture name, replaced by the reader's own
    Bytes::PutLittle32(bytes, static_cast<std::uint32_t>(atlas.width));
    Bytes::PutLittle32(bytes, static_cast<std::uint32_t>(atlas.height));
    Bytes::PutLittle32(bytes, static_cast<std::uint32_t>(atlas.startChar));
    Bytes::PutLittle32(bytes, static_cast<std::uint32_t>(atlas.endChar));
    Bytes::PutLittle32(bytes, 0);           // room for the reader's table pointer

    for (const GlyphCell& cell : atlas.cells)
    {
        PutFloat(bytes, static_cast<float>(cell.width));
        PutFloat(bytes, static_cast<float>(atlas.lineHeight));
        PutFloat(bytes, Coordinate(cell.x, atlas.width));
        PutFloat(bytes, Coordinate(cell.y, atlas.height));
        PutFloat(bytes, Coordinate(cell.x + cell.width, atlas.width));
        PutFloat(bytes, Coordinate(cell.y + atlas.lineHeight, atlas.height));
    }

    for (const std::uint8_t coverage : atlas.coverage)
    {
        bytes.push_back(255);
        bytes.push_back(coverage);
    }
    return bytes;
}

} // namespace

bool WriteGlf(const std::string& path, const FontAtlas& atlas)
{
    return Bytes::WriteFile(path, EncodeGlf(atlas));
}
