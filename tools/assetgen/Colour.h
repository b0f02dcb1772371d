#pragma once

// A colour with straight (not premultiplied) alpha, every channel 0..1, in
// the picture's own sRGB values: pictures blend the way OpenGL later blends
// them on screen, without linearising.
struct Colour
{
    float r;                                // red, 0..1
    float g;                                // green, 0..1
    float b;                                // blue, 0..1
    float a;                                // opacity, 0..1
};

const Colour kClear = {0.0f, 0.0f, 0.0f, 0.0f};
const Colour kBlack = {0.0f, 0.0f, 0.0f, 1.0f};
const Colour kWhite = {1.0f, 1.0f, 1.0f, 1.0f};

float Clamp01(float value);
float SmoothStep(float edge0, float edge1, float value);   // 0 below edge0, 1 above edge1, smooth between

Colour Mix(const Colour& from, const Colour& to, float t);  // every channel, alpha included
Colour Shaded(const Colour& colour, float factor);          // colour channels times factor, alpha kept
Colour WithAlpha(const Colour& colour, float alpha);
Colour Over(const Colour& top, const Colour& bottom);       // source-over compositing
