#include <algorithm>
#include <cstdint>
#include <memory>

#include "resources/File.h"
#include "resources/Texture.h"

namespace
{

const std::uint32_t kHeaderSize = 18;
const std::uint8_t  kRunLengthTrueColour = 10;
const std::uint8_t  kTopRowFirst = 0x20;   // image descriptor bit 5
const std::uint32_t kLongestPacket = 128;  // pixels

struct TgaHeader
{
    std::uint8_t  idLength;                 // bytes of image ID between header and pixels
    std::uint8_t  imageType;                // 10 run-length true colour; anything else read as uncompressed
    std::uint16_t width;                    // pixels
    std::uint16_t height;                   // pixels
    std::uint8_t  depth;                    // bits per pixel
    std::uint8_t  descriptor;               // bit 5: the first stored row is the top one
};

bool ReadHeader(CFile& file, TgaHeader& header)
{
    std::uint8_t bytes[kHeaderSize];
    if (file.Read(bytes, kHeaderSize) != kHeaderSize)
        return false;
    header.idLength = bytes[0];
    header.imageType = bytes[2];
    header.width = static_cast<std::uint16_t>(bytes[12] | bytes[13] << 8);
    header.height = static_cast<std::uint16_t>(bytes[14] | bytes[15] << 8);
    header.depth = bytes[16];
    header.descriptor = bytes[17];
    // No colour map is skipped: the pixels are taken to follow the image ID.
    return header.idLength == 0 || file.Seek(header.idLength, 1);
}

std::uint64_t BytesLeft(const CFile& file)
{
    return file.Size() - file.Position();
}

// Stores one pixel of the file's B, G, R (A) order as R, G, B (A).
void StorePixel(const std::uint8_t* source, std::uint8_t* destination, std::uint32_t bytesPerPixel)
{
    destination[0] = source[2];
    destination[1] = source[1];
    destination[2] = source[0];
    if (bytesPerPixel == 4)
        destination[3] = source[3];
}

bool DecodeRunLength(CFile& file, std::uint8_t* pixels, std::uint64_t pixelCount, std::uint32_t bytesPerPixel)
{
    std::uint8_t pixel[4];
    for (std::uint64_t left = pixelCount; left > 0;)
    {
        std::uint8_t packet;
        if (file.Read(&packet, 1) != 1)
            return false;
        const bool run = packet >= 128;
        const std::uint32_t count = run ? packet - 127u : packet + 1u;
        if (count > left)
            return false;
        if (run && file.Read(pixel, bytesPerPixel) != bytesPerPixel)
            return false;
        for (std::uint32_t i = 0; i < count; ++i, pixels += bytesPerPixel)
        {
            if (!run && file.Read(pixel, bytesPerPixel) != bytesPerPixel)
                return false;
            StorePixel(pixel, pixels, bytesPerPixel);
        }
        left -= count;
    }
    return true;
}

bool DecodeTrueColour(CFile& file, std::uint8_t* pixels, const TgaHeader& header, std::uint32_t bytesPerPixel)
{
    const std::uint32_t rowBytes = header.width * bytesPerPixel;
    for (std::uint32_t row = 0; row < header.height; ++row, pixels += rowBytes)
    {
        if (file.Read(pixels, rowBytes) != rowBytes)
            return false;
        for (std::uint32_t at = 0; at < rowBytes; at += bytesPerPixel)
            std::swap(pixels[at], pixels[at + 2]);
    }
    return true;
}

// 5-5-5 colour; the top bit of each pixel is dropped.
bool DecodeHighColour(CFile& file, std::uint8_t* pixels, std::uint64_t pixelCount)
{
    for (std::uint64_t i = 0; i < pixelCount; ++i, pixels += 3)
    {
        std::uint8_t bytes[2];
        if (file.Read(bytes, 2) != 2)
            return false;
        const unsigned value = bytes[0] | bytes[1] << 8;
        pixels[0] = static_cast<std::uint8_t>((value >> 7) & 0xF8);
        pixels[1] = static_cast<std::uint8_t>((value >> 2) & 0xF8);
        pixels[2] = static_cast<std::uint8_t>((value & 0x1F) << 3);
    }
    return true;
}

void FlipRows(std::uint8_t* pixels, std::uint32_t height, std::uint32_t rowBytes)
{
    for (std::uint32_t row = 0; row < height / 2; ++row)
    {
        std::uint8_t* top = pixels + static_cast<std::size_t>(row) * rowBytes;
        std::uint8_t* bottom = pixels + static_cast<std::size_t>(height - 1 - row) * rowBytes;
        std::swap_ranges(top, top + rowBytes, bottom);
    }
}

} // namespace

bool ReadTGA(CFile& file, CTextureData& data)
{
    TgaHeader header;
    if (!ReadHeader(file, header))
        return false;

    const std::uint64_t pixelCount = static_cast<std::uint64_t>(header.width) * header.height;
    if (pixelCount == 0)
        return false;

    const bool runLength = header.imageType == kRunLengthTrueColour;
    const std::uint32_t fileBytesPerPixel = header.depth / 8u;
    std::uint32_t bytesPerPixel = 0;
    std::uint64_t leastFileBytes = 0;       // what the pixels need at the very least
    if (runLength && (header.depth == 24 || header.depth == 32))
    {
        bytesPerPixel = fileBytesPerPixel;
        leastFileBytes = (pixelCount + kLongestPacket - 1) / kLongestPacket * (1 + fileBytesPerPixel);
    }
    else if (!runLength && (header.depth == 24 || header.depth == 32 || header.depth == 16))
    {
        bytesPerPixel = header.depth == 16 ? 3 : fileBytesPerPixel;
        leastFileBytes = pixelCount * fileBytesPerPixel;
    }
    else
        return false;
    // Checked before allocating, so that a header cannot ask for more memory
    // than its file could ever fill.
    if (leastFileBytes > BytesLeft(file))
        return false;

    std::unique_ptr<std::uint8_t[]> pixels(new std::uint8_t[pixelCount * bytesPerPixel]);
    bool decoded;
    if (runLength)
        decoded = DecodeRunLength(file, pixels.get(), pixelCount, bytesPerPixel);
    else if (header.depth == 16)
        decoded = DecodeHighColour(file, pixels.get(), pixelCount);
    else
        decoded = DecodeTrueColour(file, pixels.get(), header, bytesPerPixel);
    if (!decoded)
        return false;

    if (header.descriptor & kTopRowFirst)
        FlipRows(pixels.get(), header.height, header.width * bytesPerPixel);

    delete[] data.pixels;
    data.pixels = pixels.release();
    data.width = header.width;
    data.height = header.height;
    data.bytesPerPixel = static_cast<std::uint16_t>(bytesPerPixel);
    return true;
}
