#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/Colour.h"

// Little helpers shared by the file writers.
namespace Bytes
{

void PutLittle16(std::vector<std::uint8_t>& bytes, std::uint32_t value);
void PutLittle32(std::vector<std::uint8_t>& bytes, std::uint32_t value);
void PutBig32(std::vector<std::uint8_t>& bytes, std::uint32_t value);
std::uint8_t Quantised(float channel);      // 0..1 to 0..255, rounded to nearest
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace Bytes
