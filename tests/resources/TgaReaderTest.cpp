#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "resources/File.h"
#include "resources/Texture.h"
#include "tests/resources/TestFiles.h"

namespace
{

using Bytes = std::vector<std::uint8_t>;

const std::uint8_t kUncompressed = 2;
const std::uint8_t kRunLength = 10;
const std::uint8_t kTopFirst = 0x20;

Bytes Header(std::uint8_t type, std::uint16_t width, std::uint16_t height, std::uint8_t depth,
             std::uint8_t descriptor = 0, std::uint8_t idLength = 0)
{
    const auto byte = [](int value) { return static_cast<std::uint8_t>(value & 0xFF); };
    return {idLength, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0,
            byte(width), byte(width >> 8), byte(height), byte(height >> 8), depth, descriptor};
}

Bytes operator+(Bytes head, const Bytes& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

bool Decode(const Bytes& bytes, CTextureData& data)
{
    CFile file;
    EXPECT_TRUE(file.Open(WriteFile(::testing::TempDir() + "picture.tga", std::string(bytes.begin(), bytes.end()))));
    return ReadTGA(file, data);
}

} // namespace

// Pictures decode to unpadded RGB or RGBA rows, bottom row first; a file that
// cannot be decoded whole leaves the data empty.
TEST(TgaReaderTest, EachFileDecodesToItsPixelsOrIsRejected)
{
    Bytes raw, rawDecoded, runDecoded;      // one raw packet of 128 pixels, one run of 128
    for (int i = 0; i < 128; ++i)
    {
        raw = raw + Bytes{0, 0, static_cast<std::uint8_t>(i)};
        rawDecoded = rawDecoded + Bytes{static_cast<std::uint8_t>(i), 0, 0};
        runDecoded = runDecoded + Bytes{7, 8, 9};
    }
    Bytes headerShortOfOneByte = Header(kUncompressed, 1, 1, 24);
    headerShortOfOneByte.pop_back();
    const struct
    {
        const char*        what;
        Bytes              file;
        std::array<int, 3> form;            // width, height, bytes per pixel; all 0 for a rejected file
        Bytes              pixels;
    } cases[] = {
        {"rows of nine bytes",
         Header(kUncompressed, 3, 2, 24) + Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 30, 20, 10, 60, 50, 40, 90, 80, 70},
         {3, 2, 3}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
        {"top row first", Header(kUncompressed, 1, 3, 24, kTopFirst) + Bytes{3, 3, 3, 2, 2, 2, 1, 1, 1}, {1, 3, 3},
         {1, 1, 1, 2, 2, 2, 3, 3, 3}},
        {"one row, top first", Header(kUncompressed, 2, 1, 24, kTopFirst) + Bytes{3, 2, 1, 6, 5, 4}, {2, 1, 3},
         {1, 2, 3, 4, 5, 6}},
        {"32 bits keep their alpha", Header(kUncompressed, 1, 1, 32) + Bytes{3, 2, 1, 128}, {1, 1, 4}, {1, 2, 3, 128}},
        {"16 bits: five bits a channel, top bit dropped",
         Header(kUncompressed, 4, 1, 16) + Bytes{0xFF, 0x7F, 0x00, 0x80, 0x00, 0x7C, 0x1F, 0x00}, {4, 1, 3},
         {248, 248, 248, 0, 0, 0, 248, 0, 0, 0, 0, 248}},
        {"unknown type read as uncompressed", Header(3, 1, 1, 24) + Bytes{3, 2, 1}, {1, 1, 3}, {1, 2, 3}},
        {"image ID skipped", Header(kUncompressed, 1, 1, 24, 0, 2) + Bytes{0xEE, 0xEE, 3, 2, 1}, {1, 1, 3}, {1, 2, 3}},
        {"run of 1, raw packet of 128, run of 128",
         Header(kRunLength, 257, 1, 24) + Bytes{0x80, 3, 2, 1, 0x7F} + raw + Bytes{0xFF, 9, 8, 7}, {257, 1, 3},
         Bytes{1, 2, 3} + rawDecoded + runDecoded},
        {"run length, 32 bits, top first",
         Header(kRunLength, 1, 2, 32, kTopFirst) + Bytes{0x00, 3, 2, 1, 200, 0x80, 6, 5, 4, 100}, {1, 2, 4},
         {4, 5, 6, 100, 1, 2, 3, 200}},
        {"eight-bit grey", Header(kUncompressed, 1, 1, 8) + Bytes{1}, {}, {}},
        {"sixteen-bit run length", Header(kRunLength, 1, 1, 16) + Bytes{0x80, 1, 2}, {}, {}},
        {"run past the picture", Header(kRunLength, 2, 1, 24) + Bytes{0x82, 1, 2, 3}, {}, {}},
        {"raw packet past the picture", Header(kRunLength, 1, 1, 24) + Bytes{0x01, 1, 2, 3, 4, 5, 6}, {}, {}},
        {"file ends inside the header", headerShortOfOneByte, {}, {}},
        {"file ends inside the image ID", Header(kUncompressed, 1, 1, 24, 0, 5) + Bytes{1, 2}, {}, {}},
        {"file ends inside the pixels", Header(kUncompressed, 2, 2, 24) + Bytes(11, 0), {}, {}},
        {"file ends inside a raw packet", Header(kRunLength, 2, 1, 24) + Bytes{0x01, 1, 2, 3, 4}, {}, {}},
        {"file ends before the last packet", Header(kRunLength, 2, 1, 24) + Bytes{0x80, 1, 2, 3}, {}, {}},
        {"picture without pixels", Header(kUncompressed, 0, 4, 24), {}, {}},
        {"largest picture in a tiny file", Header(kRunLength, 65535, 65535, 32) + Bytes{0xFF, 1, 2, 3, 4}, {}, {}},
    };
    for (const auto& picture : cases)
    {
        SCOPED_TRACE(picture.what);
        CTextureData data;
        EXPECT_EQ(Decode(picture.file, data), picture.form[0] > 0);
        EXPECT_EQ((std::array<int, 3>{data.width, data.height, data.bytesPerPixel}), picture.form);
        ASSERT_EQ(data.pixels == nullptr, picture.pixels.empty());
        EXPECT_EQ(Bytes(data.pixels, data.pixels + data.width * data.height * data.bytesPerPixel), picture.pixels);
    }
}
