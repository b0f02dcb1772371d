#pragma once

#include <string>

class CCanvas;

// An 8-bit RGBA PNG whose deflate stream is made of stored blocks only: no
// compression library is needed, and icons are small.
bool WritePng(const std::string& path, const CCanvas& picture);
