#include "tools/assetgen/TgaWriter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/assetgen/Bytes.h"
#include "tools/assetgen/Canvas.h"

namespace
{

using Pixel = std::array<std::uint8_t, 4>;  // as stored: B, G, R (A)

const std::uint8_t kUncompressed = 2;
const std::uint8_t kRunLength = 10;
const std::uint8_t kTopFirst = 0x20;
const std::size_t  kLongestPacket = 128;    // pixels

// A 4 x 4 ordered-dither threshold, so that 5-bit gradients do not band and
// the same picture always gives the same bytes.
const float kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

std::uint32_t FiveBits(float channel, int x, int y)
{
    const float threshold = (kBayer[y & 3][x & 3] + 0.5f) / 16.0f;
    const float level = std::floor(Clamp01(channel) * 31.0f + threshold);
    return static_cast<std::uint32_t>(std::min(31.0f, level));
}

// A pixel in the file's byte order; fully transparent pixels carry no
// colour, so that their runs stay long.
Pixel Stored(const Colour& colour, int depth, int x, int y)
{
    if (depth == 16)
    {
        const std::uint32_t value = FiveBits(colour.r, x, y) << 10 | FiveBits(colour.g, x, y) << 5 | FiveBits(colour.b, x, y);
        return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8), 0, 0};
    }
    if (depth == 24)
    {
        // No alpha is stored, so whatever is not opaque lies on black.
        const Colour opaque = Over(colour, kBlack);
        return {Bytes::Quantised(opaque.b), Bytes::Quantised(opaque.g), Bytes::Quantised(opaque.r), 0};
    }
    const std::uint8_t alpha = Bytes::Quantised(colour.a);
    if (alpha == 0)
        return {0, 0, 0, 0};
    return {Bytes::Quantised(colour.b), Bytes::Quantised(colour.g), Bytes::Quantised(colour.r), alpha};
}

void PutPixel(std::vector<std::uint8_t>& bytes, const Pixel& pixel, std::size_t size)
{
    bytes.insert(bytes.end(), pixel.begin(), pixel.begin() + static_cast<std::ptrdiff_t>(size));
}

// Packets never cross the end of a row.
void PutRunLengthRow(std::vector<std::uint8_t>& bytes, const std::vector<Pixel>& row, std::size_t size)
{
    std::size_t at = 0;
    while (at < row.size())
    {
        std::size_t run = 1;
        while (at + run < row.size() && run < kLongestPacket && row[at + run] == row[at])
            ++run;
        if (run > 1)
        {
            bytes.push_back(static_cast<std::uint8_t>(127 + run));
            PutPixel(bytes, row[at], size);
            at += run;
            continue;
        }
        // A raw packet ends where the next run of two begins.
        std::size_t raw = 1;
        while (at + raw < row.size() && raw < kLongestPacket &&
               !(at + raw + 1 < row.size() && row[at + raw] == row[at + raw + 1]))
            ++raw;
        bytes.push_back(static_cast<std::uint8_t>(raw - 1));
        for (std::size_t i = 0; i < raw; ++i)
            PutPixel(bytes, row[at + i], size);
        at += raw;
    }
}

std::vector<std::uint8_t> EncodeTga(const CCanvas& picture, const TgaForm& form)
{
    std::vector<std::uint8_t> bytes = {0, 0, form.runLength ? kRunLength : kUncompressed, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Bytes::PutLittle16(bytes, static_cast<std::uint32_t>(picture.Width()));
    Bytes::PutLittle16(bytes, static_cast<std::uint32_t>(picture.Height()));
    bytes.push_back(static_cast<std::uint8_t>(form.depth));
    const std::uint8_t alphaBits = form.depth == 32 ? 8 : 0;
    bytes.push_back(static_cast<std::uint8_t>((form.topFirst ? kTopFirst : 0) | alphaBits));

    const std::size_t size = static_cast<std::size_t>(form.depth / 8);
    for (int i = 0; i < picture.Height(); ++i)
    {
        const int y = form.topFirst ? i : picture.Height() - 1 - i;
        std::vector<Pixel> row;
        for (int x = 0; x < picture.Width(); ++x)
            row.push_back(Stored(picture.At(x, y), form.depth, x, y));
        if (form.runLength)
            PutRunLengthRow(bytes, row, size);
        else
            for (const Pixel& pixel : row)
                PutPixel(bytes, pixel, size);
    }
    return bytes;
}

} // namespace

bool WriteTga(const std::string& path, const CCanvas& picture, const TgaForm& form)
{
    return Bytes::WriteFile(path, EncodeTga(picture, form));
}
