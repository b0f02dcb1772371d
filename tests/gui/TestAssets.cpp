#include "TestAssets.h"

#include <sys/stat.h>

#include <cstdint>
#include <fstream>
#include <vector>

namespace
{

const std::int32_t kAtlasWidth = 256;
const std::int32_t kAtlasHeight = 16;

void Word(std::ofstream& out, const void* value)
{
    out.write(static_cast<const char*>(value), 4);
}

void WriteFont(const char* path)
{
    std::ofstream out(path, std::ios::binary);
    const std::int32_t header[6] = {0, kAtlasWidth, kAtlasHeight, 32, 126, 0};
    for (const std::int32_t& field : header)
        Word(out, &field);
    for (int code = 32; code <= 126; ++code)
    {
        const float width = code == ' ' ? 3.0f : 8.0f;
        const float record[6] = {0.0f, 0.0f, 0.0f, 0.0f, width / kAtlasWidth, 1.0f};
        for (const float& value : record)
            Word(out, &value);
    }
    const std::vector<char> atlas(2 * kAtlasWidth * kAtlasHeight, static_cast<char>(255));
    out.write(atlas.data(), static_cast<std::streamsize>(atlas.size()));
}

void WritePicture(const char* path, unsigned char red, unsigned char green, unsigned char blue)
{
    std::ofstream out(path, std::ios::binary);
    const unsigned char header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0};
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    const unsigned char pixel[3] = {blue, green, red};
    for (int i = 0; i < 4; ++i)
        out.write(reinterpret_cast<const char*>(pixel), sizeof pixel);
}

} // namespace

void WriteTestAssets()
{
    mkdir("Assets", 0755);
    WriteFont("Assets/font.glf");
    WritePicture("Assets/buttonOut.tga", 255, 255, 255);
    WritePicture("Assets/buttonOver.tga", 255, 255, 0);
    WritePicture("Assets/tabvisible.tga", 0, 255, 0);
    WritePicture("Assets/tabhidden.tga", 0, 0, 255);
    WritePicture("Assets/tabhiddenover.tga", 255, 0, 255);
}
