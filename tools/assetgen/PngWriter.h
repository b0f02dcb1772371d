#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CCanvas;

// An 8-bit RGBA PNG whose deflate stream is made of stored blocks only: no
// compression library is needed, and icons are small.
std::vector<std::uint8_t> EncodePng(const CCanvas& picture);
bool WritePng(const std::string& path, const CCanvas& picture);
