#include "tools/assetgen/Catalogue.h"

#include "tools/assetgen/Cards.h"
#include "tools/assetgen/HelpPictures.h"
#include "tools/assetgen/Icons.h"
#include "tools/assetgen/MenuPictures.h"
#include "tools/assetgen/Pieces.h"

namespace
{

// Every form the game's reader takes is used at least once; pictures with
// an alpha channel are the 32-bit ones.
const TgaForm kTrueColour      = {24, false, false};
const TgaForm kTrueColourTop   = {24, false, true};
const TgaForm kPackedColour    = {24, true, false};
const TgaForm kPackedColourTop = {24, true, true};
const TgaForm kAlpha           = {32, false, false};
const TgaForm kAlphaTop        = {32, false, true};
const TgaForm kPackedAlpha     = {32, true, false};
const TgaForm kPackedAlphaTop  = {32, true, true};
const TgaForm kHighColour      = {16, false, false};
const TgaForm kHighColourTop   = {16, false, true};

const int kWindowIconSizes[] = {32, 64, 128};

using Pieces::Side;
using MenuPictures::TabLook;

} // namespace

std::vector<AssetPicture> AssetPictures()
{
    std::vector<AssetPicture> pictures;
    for (int distance = 1; distance <= 3; ++distance)
        for (int direction = 0; direction < 8; ++direction)
            pictures.push_back({"card" + std::to_string(distance) + "_" + std::to_string(direction + 1) + ".tga",
                                kPackedColour,
                                [distance, direction](FontSet& fonts) { return Cards::Card(fonts, distance, direction); }});

    const std::vector<AssetPicture> others = {
        {"king.tga", kAlphaTop, [](FontSet& fonts) { return Pieces::King(fonts, 32); }},
        {"rose.tga", kAlphaTop, [](FontSet&) { return Pieces::Stone(32); }},
        {"knight1.tga", kAlpha, [](FontSet& fonts) { return Pieces::Knight(fonts, 16, Side::Red); }},
        {"knight2.tga", kAlpha, [](FontSet& fonts) { return Pieces::Knight(fonts, 16, Side::White); }},
        {"knightss.tga", kPackedAlpha, [](FontSet& fonts) { return HelpPictures::Horsemen(fonts); }},
        {"mainBackground.tga", kTrueColour, [](FontSet&) { return MenuPictures::Background(); }},
        {"valdmoor.tga", kPackedAlpha, [](FontSet& fonts) { return MenuPictures::Title(fonts); }},
        {"buttonOut.tga", kPackedAlphaTop, [](FontSet&) { return MenuPictures::Button(false); }},
        {"buttonOver.tga", kPackedAlphaTop, [](FontSet&) { return MenuPictures::Button(true); }},
        {"tabvisible.tga", kTrueColourTop, [](FontSet&) { return MenuPictures::Tab(TabLook::Shown); }},
        {"tabhidden.tga", kHighColour, [](FontSet&) { return MenuPictures::Tab(TabLook::Hidden); }},
        {"tabhiddenover.tga", kHighColour, [](FontSet&) { return MenuPictures::Tab(TabLook::HiddenOver); }},
        {"kingexample.tga", kTrueColourTop, [](FontSet& fonts) { return HelpPictures::KingExample(fonts); }},
        {"knightexample.tga", kPackedColourTop, [](FontSet& fonts) { return HelpPictures::KnightExample(fonts); }},
        {"scoringexample1.tga", kHighColourTop, [](FontSet& fonts) { return HelpPictures::ScoringExample1(fonts); }},
        {"scoringexample2.tga", kHighColour, [](FontSet& fonts) { return HelpPictures::ScoringExample2(fonts); }},
    };
    pictures.insert(pictures.end(), others.begin(), others.end());
    // The window's own icon, read by the game as it opens the window.
    for (const int size : kWindowIconSizes)
        pictures.push_back({"icon" + std::to_string(size) + ".tga", kPackedAlpha,
                            [size](FontSet& fonts) { return ApplicationIcon(fonts, size); }});
    return pictures;
}

std::vector<AssetIcon> AssetIcons()
{
    return {
        {"valdmoor-64.png", [](FontSet& fonts) { return ApplicationIcon(fonts, 64); }},
        {"valdmoor-128.png", [](FontSet& fonts) { return ApplicationIcon(fonts, 128); }},
    };
}
