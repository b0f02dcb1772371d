#pragma once

#include <string>

class CCanvas;

// How a picture is stored in its TGA file.
struct TgaForm
{
    int  depth;                             // bits per pixel: 16 (5-5-5), 24 (BGR) or 32 (BGRA)
    bool runLength;                         // image type 10 rather than 2; 24 and 32 bits only
    bool topFirst;                          // descriptor bit 5: the first stored row is the top one
};

bool WriteTga(const std::string& path, const CCanvas& picture, const TgaForm& form);
