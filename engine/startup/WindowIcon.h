#pragma once

#include <vector>

class CTextureData;

// The window's icon, at each size the game's Assets hold it.
void ShowWindowIcon();                      // once the window is open

// A decoded picture's pixels as the window system takes an icon: R, G, B, A
// each, top row first; a picture without alpha is opaque.
std::vector<unsigned char> IconPixels(const CTextureData& picture);
