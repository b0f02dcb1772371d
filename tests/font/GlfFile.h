#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/resources/TestFiles.h"

// Builds ".glf" files for the font tests: a header, one record per code and
// an atlas of two-byte texels. As it stands, 'A' is 16 x 8 pixels and 'B'
// 8 x 4 in a 64 x 16 atlas.
struct GlfFile
{
    struct Rectangle { float tx1, ty1, tx2, ty2; };  // texture coordinates

    std::int32_t textureName = 0, texWidth = 64, texHeight = 16, startChar = 'A', endChar = 'B', tablePointer = 0;
    std::vector<Rectangle> records = {{0, 0, 0.25f, 0.5f}, {0.25f, 0.5f, 0.375f, 0.75f}};
    std::size_t atlasBytes = 2 * 64 * 16;

    std::string Write(const std::string& path) const
    {
        std::string bytes;
        auto word = [&bytes](const void* value) { bytes.append(static_cast<const char*>(value), 4); };
        for (const std::int32_t* field : {&textureName, &texWidth, &texHeight, &startChar, &endChar, &tablePointer})
            word(field);
        const float size = 99;              // the file's own glyph size, which nothing uses
        for (const Rectangle& record : records)
            for (const float* value : {&size, &size, &record.tx1, &record.ty1, &record.tx2, &record.ty2})
                word(value);
        for (std::size_t i = 0; i < atlasBytes; ++i)
            bytes += static_cast<char>(i % 2 ? 255 : i);
        return WriteFile(path, bytes);
    }
};
