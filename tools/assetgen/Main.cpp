// Draws every picture and the font that the game reads from its Assets
// folder, and the application icons, from the DejaVu fonts and code alone.
// The output depends on nothing but the fonts: no clock, no random source.
//
//   valdmoor-assetgen <DejaVu font folder> <Assets folder> <icons folder>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/FontAtlas.h"
#include "tools/assetgen/FontSet.h"
#include "tools/assetgen/GlfWriter.h"
#include "tools/assetgen/PngWriter.h"

namespace
{

const float kTextPixels = 13.0f;            // the game's text: the em square in pixels
const int   kLeading = 2;                   // pixels between the ink of two lines of a text box
const int   kFirstCode = 32;
const int   kLastCode = 126;

bool MakeFolder(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        std::fprintf(stderr, "assetgen: cannot create %s: %s\n", folder.c_str(), error.message().c_str());
    return !error;
}

bool Report(bool written, const std::string& path)
{
    if (!written)
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return written;
}

bool WriteFont(FontSet& fonts, const std::string& path)
{
    FontAtlas atlas;
    if (!fonts.sans.SetPixelSize(kTextPixels) || !BuildFontAtlas(fonts.sans, kFirstCode, kLastCode, kLeading, atlas))
    {
        std::fprintf(stderr, "assetgen: the text face lacks a glyph between %d and %d\n", kFirstCode, kLastCode);
        return false;
    }
    return Report(WriteGlf(path, atlas), path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: %s <DejaVu font folder> <Assets folder> <icons folder>\n", argv[0]);
        return 2;
    }
    const std::string fontFolder = argv[1];
    const std::string assets = argv[2];
    const std::string icons = argv[3];

    FontSet fonts(fontFolder);
    if (!fonts.IsOpen())
    {
        std::fprintf(stderr, "assetgen: the DejaVu fonts are not in %s\n", fontFolder.c_str());
        return 1;
    }
    if (!MakeFolder(assets) || !MakeFolder(icons))
        return 1;

    bool ok = WriteFont(fonts, assets + "/font.glf");
    for (const AssetPicture& picture : AssetPictures())
    {
        const std::string path = assets + "/" + picture.name;
        ok = Report(WriteTga(path, picture.paint(fonts), picture.form), path) && ok;
    }
    for (const AssetIcon& icon : AssetIcons())
    {
        const std::string path = icons + "/" + icon.name;
        ok = Report(WritePng(path, icon.paint(fonts)), path) && ok;
    }
    return ok ? 0 : 1;
}
