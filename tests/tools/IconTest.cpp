#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <zlib.h>

#include "tests/tools/GeneratedFiles.h"

namespace
{

struct Chunk
{
    std::string               type;
    std::vector<std::uint8_t> data;
    bool                      crcMatches;
};

std::uint32_t Big32(const std::uint8_t* at)
{
    return static_cast<std::uint32_t>(at[0]) << 24 | at[1] << 16 | at[2] << 8 | at[3];
}

// Splits a PNG into its chunks, checking each one's CRC with zlib's own.
std::vector<Chunk> Chunks(const std::vector<std::uint8_t>& png)
{
    std::vector<Chunk> chunks;
    std::size_t at = 8;
    while (at + 12 <= png.size())
    {
        const std::uint32_t length = Big32(&png[at]);
        if (at + 12 + length > png.size())
            break;
        const std::uint8_t* typeAndData = &png[at + 4];
        const auto crc = static_cast<std::uint32_t>(crc32(0, typeAndData, 4 + length));
        chunks.push_back({std::string(typeAndData, typeAndData + 4),
                          std::vector<std::uint8_t>(typeAndData + 4, typeAndData + 4 + length),
                          crc == Big32(typeAndData + 4 + length)});
        at += 12 + length;
    }
    return chunks;
}

void ExpectIcon(const std::string& name, std::uint32_t size)
{
    SCOPED_TRACE(name);
    const std::vector<std::uint8_t> png = FileBytes(IconPath(name));
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));

    const std::vector<Chunk> chunks = Chunks(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");
    for (const Chunk& chunk : chunks)
        EXPECT_TRUE(chunk.crcMatches) << chunk.type;

    const std::vector<std::uint8_t>& header = chunks[0].data;
    ASSERT_EQ(header.size(), 13u);
    EXPECT_EQ(Big32(&header[0]), size);
    EXPECT_EQ(Big32(&header[4]), size);
    EXPECT_EQ(std::vector<std::uint8_t>(header.begin() + 8, header.end()), (std::vector<std::uint8_t>{8, 6, 0, 0, 0}));

    // zlib checks the stream's own Adler-32 as it inflates.
    std::vector<std::uint8_t> raw(size * (1 + 4 * size) + 1);
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &rawSize, chunks[1].data.data(), chunks[1].data.size()), Z_OK);
    ASSERT_EQ(rawSize, size * (1 + 4 * size));
    const auto alpha = [&](std::uint32_t x, std::uint32_t y) { return raw[y * (1 + 4 * size) + 1 + 4 * x + 3]; };
    EXPECT_EQ(alpha(0, 0), 0) << "the tile's corners are rounded off";
    EXPECT_EQ(alpha(size / 2, size / 2), 255);
}

} // namespace

TEST(Icons, AreRgbaPngsOfTheirSize)
{
    ExpectIcon("valdmoor-64.png", 64);
    ExpectIcon("valdmoor-128.png", 128);
}
