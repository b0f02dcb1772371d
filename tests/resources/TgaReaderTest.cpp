#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/File.h"
#include "resources/Texture.h"

namespace
{

using Bytes = std::vector<std::uint8_t>;

const std::uint8_t kUncompressed = 2;
const std::uint8_t kRunLength = 10;
const std::uint8_t kTopFirst = 0x20;

Bytes Header(std::uint8_t type, std::uint16_t width, std::uint16_t height, std::uint8_t depth,
             std::uint8_t descriptor = 0, std::uint8_t idLength = 0)
{
    Bytes bytes(18, 0);
    bytes[0] = idLength;
    bytes[2] = type;
    bytes[12] = width & 0xFF;
    bytes[13] = width >> 8;
    bytes[14] = height & 0xFF;
    bytes[15] = height >> 8;
    bytes[16] = depth;
    bytes[17] = descriptor;
    return bytes;
}

Bytes operator+(Bytes head, const Bytes& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Bytes Truncated(Bytes bytes, std::size_t size)
{
    bytes.resize(size);
    return bytes;
}

Bytes Repeat(const Bytes& bytes, int times)
{
    Bytes all;
    for (int i = 0; i < times; ++i)
        all = all + bytes;
    return all;
}

// Decodes the bytes as they would come from a file.
class TgaReaderTest : public ::testing::Test
{
protected:
    bool Decode(const Bytes& bytes)
    {
        const std::string path = ::testing::TempDir() + "picture.tga";
        std::FILE* out = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
        CFile file;
        EXPECT_TRUE(file.Open(path));
        return ReadTGA(file, data);
    }

    Bytes Pixels() const
    {
        return Bytes(data.pixels, data.pixels + data.width * data.height * data.bytesPerPixel);
    }

    CTextureData data;
};

} // namespace

TEST_F(TgaReaderTest, UncompressedBgrBecomesRgbInStoredRowOrder)
{
    // Three pixels a row: nine bytes, not a multiple of four.
    ASSERT_TRUE(Decode(Header(kUncompressed, 3, 2, 24) +
                       Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 30, 20, 10, 60, 50, 40, 90, 80, 70}));
    EXPECT_EQ(data.width, 3);
    EXPECT_EQ(data.height, 2);
    EXPECT_EQ(data.bytesPerPixel, 3);
    EXPECT_EQ(Pixels(), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
}

TEST_F(TgaReaderTest, TopRowFirstImageIsStoredBottomRowFirst)
{
    ASSERT_TRUE(Decode(Header(kUncompressed, 1, 3, 24, kTopFirst) + Bytes{3, 3, 3, 2, 2, 2, 1, 1, 1}));
    const Bytes flipped = Pixels();
    ASSERT_TRUE(Decode(Header(kUncompressed, 1, 3, 24) + Bytes{1, 1, 1, 2, 2, 2, 3, 3, 3}));
    EXPECT_EQ(flipped, Pixels());
    EXPECT_EQ(flipped, (Bytes{1, 1, 1, 2, 2, 2, 3, 3, 3}));
}

TEST_F(TgaReaderTest, OneRowPictureWithTopFirstBitIsUnchanged)
{
    ASSERT_TRUE(Decode(Header(kUncompressed, 2, 1, 24, kTopFirst) + Bytes{3, 2, 1, 6, 5, 4}));
    EXPECT_EQ(Pixels(), (Bytes{1, 2, 3, 4, 5, 6}));
}

TEST_F(TgaReaderTest, ThirtyTwoBitPixelsKeepTheirAlpha)
{
    ASSERT_TRUE(Decode(Header(kUncompressed, 1, 1, 32) + Bytes{3, 2, 1, 128}));
    EXPECT_EQ(data.bytesPerPixel, 4);
    EXPECT_EQ(Pixels(), (Bytes{1, 2, 3, 128}));
}

TEST_F(TgaReaderTest, SixteenBitPixelsSpreadFiveBitsOverEachChannelAndDropTheTopBit)
{
    ASSERT_TRUE(Decode(Header(kUncompressed, 4, 1, 16) + Bytes{0xFF, 0x7F, 0x00, 0x80, 0x00, 0x7C, 0x1F, 0x00}));
    EXPECT_EQ(data.bytesPerPixel, 3);
    EXPECT_EQ(Pixels(), (Bytes{248, 248, 248, 0, 0, 0, 248, 0, 0, 0, 0, 248}));
}

TEST_F(TgaReaderTest, UnknownImageTypeIsReadAsUncompressed)
{
    ASSERT_TRUE(Decode(Header(3, 1, 1, 24) + Bytes{3, 2, 1}));
    EXPECT_EQ(Pixels(), (Bytes{1, 2, 3}));
}

TEST_F(TgaReaderTest, ImageIdIsSkipped)
{
    ASSERT_TRUE(Decode(Header(kUncompressed, 1, 1, 24, 0, 2) + Bytes{0xEE, 0xEE, 3, 2, 1}));
    EXPECT_EQ(Pixels(), (Bytes{1, 2, 3}));
}

TEST_F(TgaReaderTest, RunPacketsRepeatOneTo128PixelsAndRawPacketsCarryUpTo128)
{
    Bytes raw;
    Bytes expected{1, 2, 3};
    for (int i = 0; i < 128; ++i)
    {
        raw = raw + Bytes{0, 0, static_cast<std::uint8_t>(i)};
        expected = expected + Bytes{static_cast<std::uint8_t>(i), 0, 0};
    }
    expected = expected + Repeat(Bytes{7, 8, 9}, 128);
    ASSERT_TRUE(Decode(Header(kRunLength, 257, 1, 24) + Bytes{0x80, 3, 2, 1} + Bytes{0x7F} + raw +
                       Bytes{0xFF, 9, 8, 7}));
    EXPECT_EQ(data.bytesPerPixel, 3);
    EXPECT_EQ(Pixels(), expected);
}

TEST_F(TgaReaderTest, RunLengthThirtyTwoBitPixelsKeepTheirAlphaAndFlip)
{
    ASSERT_TRUE(Decode(Header(kRunLength, 1, 2, 32, kTopFirst) + Bytes{0x00, 3, 2, 1, 200, 0x80, 6, 5, 4, 100}));
    EXPECT_EQ(data.bytesPerPixel, 4);
    EXPECT_EQ(Pixels(), (Bytes{4, 5, 6, 100, 1, 2, 3, 200}));
}

TEST_F(TgaReaderTest, UndecodableFilesAreRejectedAndLeaveTheDataEmpty)
{
    const struct
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"eight-bit grey", Header(kUncompressed, 1, 1, 8) + Bytes{1}},
        {"sixteen-bit run length", Header(kRunLength, 1, 1, 16) + Bytes{0x80, 1, 2}},
        {"run past the picture", Header(kRunLength, 2, 1, 24) + Bytes{0x82, 1, 2, 3}},
        {"raw packet past the picture", Header(kRunLength, 1, 1, 24) + Bytes{0x01, 1, 2, 3, 4, 5, 6}},
        {"file ends inside the header", Truncated(Header(kUncompressed, 1, 1, 24), 17)},
        {"file ends inside the image ID", Header(kUncompressed, 1, 1, 24, 0, 5) + Bytes{1, 2}},
        {"file ends inside the pixels", Header(kUncompressed, 2, 2, 24) + Bytes(11, 0)},
        {"file ends inside a raw packet", Header(kRunLength, 2, 1, 24) + Bytes{0x01, 1, 2, 3, 4}},
        {"file ends before the last packet", Header(kRunLength, 2, 1, 24) + Bytes{0x80, 1, 2, 3}},
        {"picture without pixels", Header(kUncompressed, 0, 4, 24)},
        {"largest picture in a tiny file", Header(kRunLength, 65535, 65535, 32) + Bytes{0xFF, 1, 2, 3, 4}},
    };
    for (const auto& bad : cases)
    {
        EXPECT_FALSE(Decode(bad.bytes)) << bad.what;
        EXPECT_EQ(data.pixels, nullptr) << bad.what;
        EXPECT_EQ(data.width, 0) << bad.what;
    }
}
