#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Where the build put the generated files, and a whole-file reader.
inline std::string AssetPath(const std::string& name) { return std::string(VALDMOOR_BUILD_DIR) + "/Assets/" + name; }

inline std::vector<std::uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
