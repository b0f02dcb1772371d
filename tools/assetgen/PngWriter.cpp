#include "tools/assetgen/PngWriter.h"

#include <algorithm>
#include <array>

#include "tools/assetgen/Bytes.h"
#include "tools/assetgen/Canvas.h"

namespace
{

const std::size_t kLongestStoredBlock = 65535;  // bytes, the most a stored block's length field holds

std::array<std::uint32_t, 256> CrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n)
    {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

// CRC-32 as PNG chunks use it (ISO 3309 polynomial, reflected).
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size)
{
    static const std::array<std::uint32_t, 256> table = CrcTable();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& data)
{
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : data)
    {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return b << 16 | a;
}

void PutChunk(std::vector<std::uint8_t>& png, const char* type, const std::vector<std::uint8_t>& data)
{
    Bytes::PutBig32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    Bytes::PutBig32(png, Crc32(png.data() + start, png.size() - start));
}

// A zlib stream (RFC 1950) holding deflate stored blocks (RFC 1951).
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw)
{
    std::vector<std::uint8_t> stream = {0x78, 0x01};
    std::size_t at = 0;
    do
    {
        const std::size_t length = std::min(kLongestStoredBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        stream.push_back(last ? 1 : 0);
        Bytes::PutLittle16(stream, static_cast<std::uint32_t>(length));
        Bytes::PutLittle16(stream, static_cast<std::uint32_t>(~length & 0xFFFF));
        stream.insert(stream.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                      raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    Bytes::PutBig32(stream, Adler32(raw));
    return stream;
}

std::vector<std::uint8_t> EncodePng(const CCanvas& picture)
{
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    std::vector<std::uint8_t> header;
    Bytes::PutBig32(header, static_cast<std::uint32_t>(picture.Width()));
    Bytes::PutBig32(header, static_cast<std::uint32_t>(picture.Height()));
    header.insert(header.end(), {8, 6, 0, 0, 0});   // 8 bits a channel, RGBA, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);

    std::vector<std::uint8_t> raw;
    for (int y = 0; y < picture.Height(); ++y)
    {
        raw.push_back(0);                   // filter type None
        for (int x = 0; x < picture.Width(); ++x)
        {
            const Colour& colour = picture.At(x, y);
            const std::uint8_t alpha = Bytes::Quantised(colour.a);
            const bool clear = alpha == 0;
            raw.insert(raw.end(), {clear ? std::uint8_t(0) : Bytes::Quantised(colour.r),
                                   clear ? std::uint8_t(0) : Bytes::Quantised(colour.g),
                                   clear ? std::uint8_t(0) : Bytes::Quantised(colour.b), alpha});
        }
    }
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    return png;
}

} // namespace

bool WritePng(const std::string& path, const CCanvas& picture)
{
    return Bytes::WriteFile(path, EncodePng(picture));
}
