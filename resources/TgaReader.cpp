#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "engine/Log.h"
#include "resources/File.h"
#include "resources/PictureLimits.h"
#include "resources/Texture.h"

namespace
{

const std::uint32_t kHeaderSize = 18;
const std::uint8_t  kColourMapPresent = 1;  // colour-map type of a file that carries one
const std::uint8_t  kRunLengthTrueColour = 10;
const std::uint8_t  kColourMapped = 1;      // image types refused, with their run-length twins
const std::uint8_t  kColourMappedRunLength = 9;
const std::uint8_t  kGreyscale = 3;
const std::uint8_t  kGreyscaleRunLength = 11;
const std::uint8_t  kTopRowFirst = 0x20;    // image descriptor bit 5
const std::uint32_t kLongestPacket = 128;   // pixels

struct TgaHeader
{
    std::uint8_t  idLength;                 // bytes of image ID right after the header
    std::uint8_t  colourMapType;            // 1 when a colour map follows the image ID
    std::uint8_t  imageType;                // 10 run-length true colour; the rest read as uncompressed
    std::uint16_t colourMapLength;          // entries
    std::uint8_t  colourMapEntryBits;       // bits a colour-map entry
    std::uint16_t width;                    // pixels
    std::uint16_t height;                   // pixels
    std::uint8_t  depth;                    // bits per pixel
    std::uint8_t  descriptor;               // bit 5: the first stored row is the top one
};

std::uint16_t LittleEndian16(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

bool ReadHeader(CFile& file, TgaHeader& header)
{
    std::uint8_t bytes[kHeaderSize];
    if (file.Read(bytes, kHeaderSize) != kHeaderSize)
        return false;
    header.idLength = bytes[0];
    header.colourMapType = bytes[1];
    header.imageType = bytes[2];
    header.colourMapLength = LittleEndian16(bytes + 5);
    header.colourMapEntryBits = bytes[7];
    header.width = LittleEndian16(bytes + 12);
    header.height = LittleEndian16(bytes + 14);
    header.depth = bytes[16];
    header.descriptor = bytes[17];
    return true;
}

std::uint64_t BytesLeft(const CFile& file)
{
    return file.Size() - file.Position();
}

std::string Size(const TgaHeader& header)
{
    return std::to_string(header.width) + " by " + std::to_string(header.height) + " pixels";
}

// Each refusal names its file and its cause on a line of its own, ahead of
// the loader's two lines, which read the same for every cause.
bool Refuse(const CFile& file, const std::string& why)
{
    g_generalLog.SetLevel(Error);
    g_generalLog << file.Name() << ": " << why;
    g_generalLog.Commit();
    return false;
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

// Null when every pixel was decoded, otherwise why not.
const char* DecodeRunLength(CFile& file, std::uint8_t* pixels, std::uint64_t pixelCount, std::uint32_t bytesPerPixel)
{
    const char* const endsEarly = "the file ends inside its pixels";
    std::uint8_t pixel[4];
    for (std::uint64_t left = pixelCount; left > 0;)
    {
        std::uint8_t packet;
        if (file.Read(&packet, 1) != 1)
            return endsEarly;
        const bool run = packet >= 128;
        const std::uint32_t count = run ? packet - 127u : packet + 1u;
        if (count > left)
            return "a run-length packet runs past the end of the picture";
        if (run && file.Read(pixel, bytesPerPixel) != bytesPerPixel)
            return endsEarly;
        for (std::uint32_t i = 0; i < count; ++i, pixels += bytesPerPixel)
        {
            if (!run && file.Read(pixel, bytesPerPixel) != bytesPerPixel)
                return endsEarly;
            StorePixel(pixel, pixels, bytesPerPixel);
        }
        left -= count;
    }
    return nullptr;
}

void DecodeTrueColour(CFile& file, std::uint8_t* pixels, const TgaHeader& header, std::uint32_t bytesPerPixel)
{
    const std::uint32_t rowBytes = header.width * bytesPerPixel;
    for (std::uint32_t row = 0; row < header.height; ++row, pixels += rowBytes)
    {
        file.Read(pixels, rowBytes);
        for (std::uint32_t at = 0; at < rowBytes; at += bytesPerPixel)
            std::swap(pixels[at], pixels[at + 2]);
    }
}

// 5-5-5 colour; the top bit of each pixel is dropped.
void DecodeHighColour(CFile& file, std::uint8_t* pixels, std::uint64_t pixelCount)
{
    for (std::uint64_t i = 0; i < pixelCount; ++i, pixels += 3)
    {
        std::uint8_t bytes[2];
        file.Read(bytes, 2);
        const unsigned value = LittleEndian16(bytes);
        pixels[0] = static_cast<std::uint8_t>((value >> 7) & 0xF8);
        pixels[1] = static_cast<std::uint8_t>((value >> 2) & 0xF8);
        pixels[2] = static_cast<std::uint8_t>((value & 0x1F) << 3);
    }
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

// How the decoded picture is laid out, and what its stored pixels need.
struct PixelLayout
{
    std::uint32_t bytesPerPixel;            // decoded: 3 or 4
    std::uint64_t leastFileBytes;           // what the stored pixels need at the very least
};

// Empty when the picture's kind and size can be read, otherwise why not.
std::string LayOutPixels(const TgaHeader& header, std::uint64_t pixelCount, PixelLayout& layout)
{
    const std::string depth = std::to_string(header.depth) + "-bit pixels";
    const std::uint32_t fileBytesPerPixel = header.depth / 8u;
    if (header.imageType != kRunLengthTrueColour)
    {
        if (header.depth != 16 && header.depth != 24 && header.depth != 32)
            return depth + " are not supported";
        layout.bytesPerPixel = header.depth == 16 ? 3 : fileBytesPerPixel;
        layout.leastFileBytes = pixelCount * fileBytesPerPixel;
        return "";
    }
    if (header.depth != 24 && header.depth != 32)
        return "run-length pictures of " + depth + " are not supported";
    if (header.width > kLargestPictureSide || header.height > kLargestPictureSide ||
        pixelCount > kLargestPicturePixels)
        return "a run-length picture of " + Size(header) + " is larger than the " +
               std::to_string(kLargestPictureSide) + " a side and " + std::to_string(kLargestPicturePixels) +
               " in all that are allowed";
    layout.bytesPerPixel = fileBytesPerPixel;
    layout.leastFileBytes = (pixelCount + kLongestPacket - 1) / kLongestPacket * (1 + fileBytesPerPixel);
    return "";
}

// Empty when the file holds enough bytes for the pixels and stands at the
// first of them, otherwise why not. A true-colour file may carry a colour
// map all the same: the pixels follow the image ID and the map. Checked
// before allocating, so that a header cannot ask for more memory than its
// file could ever fill.
std::string SkipToPixels(CFile& file, const TgaHeader& header, const PixelLayout& layout)
{
    const std::uint64_t mapBytes = header.colourMapType == kColourMapPresent
                                       ? std::uint64_t{header.colourMapLength} * ((header.colourMapEntryBits + 7u) / 8u)
                                       : 0;
    if (header.idLength > BytesLeft(file))
        return "the file ends inside its image ID";
    if (header.idLength + mapBytes > BytesLeft(file))
        return "the file ends inside its colour map";
    const std::uint64_t pixelBytes = BytesLeft(file) - header.idLength - mapBytes;
    if (layout.leastFileBytes > pixelBytes)
        return "the file holds " + std::to_string(pixelBytes) + " bytes where " + Size(header) + " need at least " +
               std::to_string(layout.leastFileBytes);
    file.Seek(static_cast<std::uint32_t>(header.idLength + mapBytes), 1);
    return "";
}

} // namespace

bool ReadTGA(CFile& file, CTextureData& data)
{
    TgaHeader header;
    if (!ReadHeader(file, header))
        return Refuse(file, "the file ends inside its header");
    if (header.imageType == kColourMapped || header.imageType == kColourMappedRunLength)
        return Refuse(file, "colour-mapped pictures are not supported");
    if (header.imageType == kGreyscale || header.imageType == kGreyscaleRunLength)
        return Refuse(file, "greyscale pictures are not supported");

    const std::uint64_t pixelCount = static_cast<std::uint64_t>(header.width) * header.height;
    if (pixelCount == 0)
        return Refuse(file, "the picture has no pixels (" + Size(header) + ")");
    // Refused here as the upload would refuse it, before it is decoded.
    const std::int32_t largest = LargestTextureSide();
    if (largest > 0 && (header.width > largest || header.height > largest))
        return Refuse(file, Size(header) + " is more than the graphics card holds (" + std::to_string(largest) +
                                " a side)");
    PixelLayout layout = {0, 0};
    std::string why = LayOutPixels(header, pixelCount, layout);
    if (why.empty())
        why = SkipToPixels(file, header, layout);
    if (!why.empty())
        return Refuse(file, why);

    const std::uint32_t bytesPerPixel = layout.bytesPerPixel;
    std::unique_ptr<std::uint8_t[]> pixels(new (std::nothrow) std::uint8_t[pixelCount * bytesPerPixel]);
    if (!pixels)
        return Refuse(file, "there is not enough memory for " + Size(header));
    const bool runLength = header.imageType == kRunLengthTrueColour;
    if (!runLength && header.depth == 16)
        DecodeHighColour(file, pixels.get(), pixelCount);
    else if (!runLength)
        DecodeTrueColour(file, pixels.get(), header, bytesPerPixel);
    else if (const char* endsEarly = DecodeRunLength(file, pixels.get(), pixelCount, bytesPerPixel))
        return Refuse(file, endsEarly);

    if (header.descriptor & kTopRowFirst)
        FlipRows(pixels.get(), header.height, header.width * bytesPerPixel);

    delete[] data.pixels;
    data.pixels = pixels.release();
    data.width = header.width;
    data.height = header.height;
    data.bytesPerPixel = static_cast<std::uint16_t>(bytesPerPixel);
    return true;
}
