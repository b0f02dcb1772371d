#pragma once

#include "tools/assetgen/Canvas.h"

struct FontSet;

// The pictures of the menus and the frame of every screen: the wooden
// background, the title, the buttons and the tab headers.
namespace MenuPictures
{

enum class TabLook
{
    Shown,                                  // the header of the page on show
    Hidden,                                 // the header of a page not shown
    HiddenOver                              // the same, under the pointer
};

CCanvas Background();                       // 472 by 512, dark planks; the game screen draws it darker still
CCanvas Title(FontSet& fonts);              // 480 by 128, golden lettering on a clear ground
CCanvas Button(bool over);                  // 128 by 32; over: lit up for the pointer
CCanvas Tab(TabLook look);                  // 128 by 32, opaque on the black around the pages

} // namespace MenuPictures
