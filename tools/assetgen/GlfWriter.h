#pragma once

#include <string>

struct FontAtlas;

// The ".glf" bitmap font file: a little-endian header, one 24-byte record of
// six floats per character, then the atlas as white luminance-alpha texels.
bool WriteGlf(const std::string& path, const FontAtlas& atlas);
