#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/TgaWriter.h"

struct FontSet;

// One picture file of the game's Assets folder: its name, how it is stored
// and how it is drawn.
struct AssetPicture
{
    std::string                        name;     // file name inside Assets/
    TgaForm                            form;     // depth, compression and row order
    std::function<CCanvas(FontSet&)>   paint;    // draws it at its own size
};

// One application icon, written as PNG beside the assets.
struct AssetIcon
{
    std::string                        name;     // file name inside the icons folder
    std::function<CCanvas(FontSet&)>   paint;
};

std::vector<AssetPicture> AssetPictures();
std::vector<AssetIcon> AssetIcons();
