#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "font/PixelPerfectGLFont.h"
#include "fuzz/FuzzInput.h"
#include "resources/File.h"

namespace
{

// Every byte value once, so that every glyph in and out of range is measured.
std::string EveryByte()
{
    std::string text;
    for (int code = 0; code < 256; ++code)
        text += static_cast<char>(code);
    return text;
}

} // namespace

// Reads one input as a ".glf" font without uploading it, then measures text
// with it, whether the file was accepted or not.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string text = EveryByte();
    CFile file;
    if (!file.Open(FuzzInputFile(data, size)))
        std::abort();
    PixelPerfectGLFont font;
    std::vector<std::uint8_t> atlas;
    try
    {
        font.Read(file, atlas);
    }
    catch (const GLFontError::InvalidFile&)
    {
    }
    font.MeasureGlyphs();
    font.GetStringWidth(text);
    font.GetStringHeight(text);
    return 0;
}
