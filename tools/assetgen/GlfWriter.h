#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FontAtlas;

// The ".glf" bitmap font file: a little-endian header, one 24-byte record of
// six floats per character, then the atlas as white luminance-alpha texels.
std::vector<std::uint8_t> EncodeGlf(const FontAtlas& atlas);
bool WriteGlf(const std::string& path, const FontAtlas& atlas);
