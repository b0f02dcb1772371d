#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "resources/File.h"
#include "resources/Texture.h"

// Decodes one input as a TGA file; a decoded picture must be as large as it
// says, and a rejected one must leave nothing behind.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFile file;
    if (!file.Open(FuzzInputFile(data, size)))
        std::abort();
    CTextureData texture;
    if (!ReadTGA(file, texture))
    {
        if (texture.pixels || texture.width || texture.height || texture.bytesPerPixel)
            std::abort();
        return 0;
    }
    if (texture.bytesPerPixel != 3 && texture.bytesPerPixel != 4)
        std::abort();
    // Touches the last byte, so that a short pixel array shows up at once.
    const std::size_t bytes = std::size_t{texture.width} * texture.height * texture.bytesPerPixel;
    volatile std::uint8_t last = texture.pixels[bytes - 1];
    (void)last;
    return 0;
}
