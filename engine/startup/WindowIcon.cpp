#include "engine/startup/WindowIcon.h"

#include <cstddef>

#include "engine/Window.h"
#include "resources/File.h"
#include "resources/Texture.h"

namespace
{

// Each size the asset generator draws the window's icon at.
const char* const kIconFiles[] = {"Assets/icon32.tga", "Assets/icon64.tga", "Assets/icon128.tga"};
const int         kIconCount = sizeof kIconFiles / sizeof kIconFiles[0];

const unsigned char kOpaque = 255;

} // namespace

// The pictures are read straight from their files, not through the resource
// manager: they leave the graphics card alone, and the general log keeps to
// the pictures the screens load. A file that is missing or does not decode
// leaves its size out, its reader having said why in a log.
void ShowWindowIcon()
{
    std::vector<unsigned char> pixels[kIconCount];
    WindowIconPicture pictures[kIconCount];
    int count = 0;
    for (const char* name : kIconFiles)
    {
        CFile file;
        CTextureData data;
        if (!file.Open(name) || !ReadTGA(file, data))
            continue;
        pixels[count] = IconPixels(data);
        pictures[count] = {data.width, data.height, pixels[count].data()};
        ++count;
    }
    if (count > 0)
        SetWindowIcon(pictures, count);
}

std::vector<unsigned char> IconPixels(const CTextureData& picture)
{
    const std::size_t width = picture.width;
    const std::size_t height = picture.height;
    const std::size_t depth = picture.bytesPerPixel;
    std::vector<unsigned char> rgba(width * height * 4);
    for (std::size_t row = 0; row < height; ++row)
    {
        const unsigned char* source = picture.pixels + (height - 1 - row) * width * depth;
        unsigned char* target = rgba.data() + row * width * 4;
        for (std::size_t x = 0; x < width; ++x, source += depth, target += 4)
        {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
            target[3] = depth == 4 ? source[3] : kOpaque;
        }
    }
    return rgba;
}
