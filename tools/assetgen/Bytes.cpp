#include "tools/assetgen/Bytes.h"

#include <cmath>
#include <cstdio>

namespace Bytes
{

void PutLittle16(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutLittle32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    PutLittle16(bytes, value & 0xFFFF);
    PutLittle16(bytes, value >> 16);
}

void PutBig32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

std::uint8_t Quantised(float channel)
{
    return static_cast<std::uint8_t>(std::lround(Clamp01(channel) * 255.0f));
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace Bytes
