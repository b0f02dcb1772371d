#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "font/PixelPerfectGLFont.h"
#include "fuzz/FuzzInput.h"
#include "gui/TextLayout.h"
#include "gui/TextWrap.h"
#include "resources/File.h"

namespace
{

// Every byte value once, so that every glyph in and out of range is measured,
// with spaces between runs of them for the wrapping to break at.
std::string EveryByte()
{
    std::string text;
    for (int code = 0; code < 256; ++code)
        text += static_cast<char>(code) + std::string(code % 7 == 0 ? " " : "");
    return text;
}

// What a text box and a button do with the sizes: wrap the text, stack its
// lines down from the top, and centre a caption in a button.
void LayOut(const PixelPerfectGLFont& font, const std::string& text)
{
    const GUI::TextMeasure measure = [&font](const std::string& line) { return font.GetStringWidth(line); };
    for (const int width : {1, 300, 0x7FFFFFFF})
    {
        int y = 480;
        for (const std::string& line : GUI::WrapText(text, width, measure))
            y = GUI::Below(y, font.GetStringHeight(line));
        const int left = GUI::CentredIn(width, 128, font.GetStringWidth(text));
        GUI::Beyond(left, font.GetStringWidth(text));
        GUI::Beyond(GUI::CentredIn(y, 32, font.GetStringHeight(text)), font.GetStringHeight(text));
    }
}

} // namespace

// Reads one input as a ".glf" font without uploading it, then measures,
// wraps and lays out text with it, whether the file was accepted or not.
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
    LayOut(font, text);
    return 0;
}
