#include "TestAssets.h"

#include <sys/stat.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace
{

const std::int32_t kAtlasWidth = 256;
const std::int32_t kAtlasHeight = 16;

template <typename T>
void Write(std::ofstream& out, const T& value)
{
    out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

void WriteFont(const char* path)
{
    std::ofstream out(path, std::ios::binary);
    for (const std::int32_t field : {0, kAtlasWidth, kAtlasHeight, 32, 126, 0})
        Write(out, field);
    for (int code = 32; code <= 126; ++code)
        for (const float value : {0.0f, 0.0f, 0.0f, 0.0f, (code == ' ' ? 3.0f : 8.0f) / kAtlasWidth, 1.0f})
            Write(out, value);
    out << std::string(2 * kAtlasWidth * kAtlasHeight, static_cast<char>(255));
}

void WritePicture(const char* path, unsigned char red, unsigned char green, unsigned char blue)
{
    std::ofstream out(path, std::ios::binary);
    const unsigned char header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0};
    Write(out, header);
    for (int i = 0; i < 4; ++i)
        out << blue << green << red;
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
