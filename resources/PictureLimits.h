#pragma once

#include <cstdint>

// The largest picture the engine takes from a file: a run-length picture or
// a font's atlas can claim far more than its file could honestly hold or the
// machine could give, so beyond these it is refused before anything is
// allocated. The largest picture allowed takes 128 MB at four bytes a pixel.
const std::uint32_t kLargestPictureSide = 16384;           // pixels
const std::uint64_t kLargestPicturePixels = 32u << 20;     // pixels in all

// The graphics card's limit on a texture's side, GL_MAX_TEXTURE_SIZE, or 0
// without a current OpenGL context, where there is no card to ask.
std::int32_t LargestTextureSide();
