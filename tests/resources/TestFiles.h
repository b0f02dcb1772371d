#pragma once

#include <fstream>
#include <sstream>
#include <string>

// Whole files for the tests, written and read byte for byte; a file that
// cannot be read reads as empty.
inline std::string WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

inline std::string ReadFile(const std::string& path)
{
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}
