#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <zlib.h>

#include "tests/tools/GeneratedFiles.h"

namespace
{

typedef std::vector<std::uint8_t> Bytes;

std::uint32_t Big32(const std::uint8_t* at) { return std::uint32_t{at[0]} << 24 | at[1] << 16 | at[2] << 8 | at[3]; }

} // namespace

TEST(Icons, AreRgbaPngsOfTheirSize)
{
    for (const std::uint32_t size : {64u, 128u})
    {
        SCOPED_TRACE(size);
        const Bytes png = FileBytes(VALDMOOR_BUILD_DIR "/icons/valdmoor-" + std::to_string(size) + ".png");

        // The chunks after the signature, each one's CRC checked with zlib's own;
        // the signature and the size are the install test's.
        std::string types;
        std::vector<Bytes> chunks;
        for (std::size_t at = 8; at + 12 <= png.size();)
        {
            const std::uint32_t length = Big32(&png[at]);
            ASSERT_LE(at + 12 + length, png.size());
            const std::uint8_t* typeAndData = &png[at + 4];
            EXPECT_EQ(crc32(0, typeAndData, 4 + length), Big32(typeAndData + 4 + length));
            types += std::string(typeAndData, typeAndData + 4) + " ";
            chunks.emplace_back(typeAndData + 4, typeAndData + 4 + length);
            at += 12 + length;
        }
        ASSERT_EQ(types, "IHDR IDAT IEND ");
        ASSERT_EQ(chunks[0].size(), 13u);
        EXPECT_EQ(Bytes(chunks[0].begin() + 8, chunks[0].end()), (Bytes{8, 6, 0, 0, 0})) << "8-bit RGBA";

        // zlib checks the stream's own Adler-32 as it inflates.
        const std::size_t row = 1 + 4 * size;
        Bytes raw(size * row + 1);
        uLongf rawSize = raw.size();
        ASSERT_EQ(uncompress(raw.data(), &rawSize, chunks[1].data(), chunks[1].size()), Z_OK);
        ASSERT_EQ(rawSize, size * row);
        EXPECT_EQ(raw[1 + 3], 0) << "the tile's corners are rounded off";
        EXPECT_EQ(raw[size / 2 * row + 1 + 4 * (size / 2) + 3], 255);
    }
}
