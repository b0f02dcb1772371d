#pragma once

// Writes the "Assets" folder that the widgets load into the working
// directory: a font whose glyphs are solid white blocks 16 pixels high and 8
// wide (the space 3 wide), and 2 by 2 pictures of one colour each under the
// button and tab header names.
void WriteTestAssets();
