#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// Builds ".glf" files for the tests: a header, one record per code, and an
// atlas of two-byte texels.
struct GlfRectangle
{
    float tx1, ty1, tx2, ty2;
};

struct GlfFile
{
    std::int32_t textureName = 0;
    std::int32_t texWidth = 64;
    std::int32_t texHeight = 16;
    std::int32_t startChar = 'A';
    std::int32_t endChar = 'B';
    std::int32_t tablePointer = 0;
    std::vector<GlfRectangle> records;      // endChar - startChar + 1 of them, unless a test wants otherwise
    std::size_t atlasBytes = 2 * 64 * 16;

    std::vector<std::uint8_t> Bytes() const
    {
        std::vector<std::uint8_t> bytes;
        auto word = [&bytes](const void* value) {
            const auto* at = static_cast<const std::uint8_t*>(value);
            bytes.insert(bytes.end(), at, at + 4);
        };
        for (const std::int32_t* field : {&textureName, &texWidth, &texHeight, &startChar, &endChar, &tablePointer})
            word(field);
        for (const GlfRectangle& record : records)
        {
            const float size = 99.0f;       // the file's own glyph size, which nothing uses
            for (const float* value : {&size, &size, &record.tx1, &record.ty1, &record.tx2, &record.ty2})
                word(value);
        }
        for (std::size_t i = 0; i < atlasBytes; ++i)
            bytes.push_back(static_cast<std::uint8_t>(i % 2 ? 255 : i));
        return bytes;
    }

    void Write(const std::string& path) const
    {
        const std::vector<std::uint8_t> bytes = Bytes();
        std::FILE* out = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
};

// 'A' is 16 x 8 pixels, 'B' 8 x 4 in the default 64 x 16 atlas.
inline GlfFile TwoLetterFont()
{
    GlfFile font;
    font.records = {{0.0f, 0.0f, 0.25f, 0.5f}, {0.25f, 0.5f, 0.375f, 0.75f}};
    return font;
}
