#pragma once

#include <cstdint>
#include <string>

class CFile;

// A decoded picture: rows tightly packed, bottom row first, each pixel
// R, G, B (then A).
class CTextureData
{
public:
    CTextureData() : width(0), height(0), bytesPerPixel(0), pixels(nullptr) {}   // empty, as the decoders want it
    ~CTextureData() { delete[] pixels; }    // frees the pixels
    // The one owner of its pixels.
    CTextureData(const CTextureData&) = delete;
    CTextureData& operator=(const CTextureData&) = delete;

    std::uint16_t width;                    // pixels
    std::uint16_t height;                   // pixels
    std::uint16_t bytesPerPixel;            // 3 (RGB) or 4 (RGBA) once decoded
    std::uint8_t* pixels;                   // width * height * bytesPerPixel bytes, owned
};

// What the resource manager's texture loader is given.
struct TextureOptions
{
    bool mipmaps = false;                   // build the whole mipmap chain rather than level 0 only
};

// A picture uploaded into an OpenGL 2D texture. The pixel copy is kept for
// the texture's whole life; the OpenGL name is never deleted, it lives
// until the context goes.
class CTextureObject : public CTextureData
{
public:
    CTextureObject() : textureName(0), filter(0) {}   // not uploaded; no texture name

    // Needs a current context. False, with an Error line naming the file,
    // for a picture the graphics card cannot hold; false without a texture name.
    bool Create(const TextureOptions& options, const std::string& fileName);
    // Makes it the 2D texture drawn with, blending on for a picture with
    // alpha. Drawn texel for pixel it is sampled nearest, which shows the same
    // texels as linear filtering there at a good part less of the cost.
    void Bind(bool texelPerPixel = false) const;

    std::uint32_t textureName;              // OpenGL texture name; 0 until created
    mutable std::int32_t filter;            // the minifying and magnifying filter it samples with now
};

// Decodes a true-colour TGA file (16, 24 or 32 bits, uncompressed or
// run-length encoded; a colour map it carries is skipped) into data that
// must still be empty. False, with the data left empty and an Error line in
// the general log saying why, for anything that cannot be decoded whole:
// colour-mapped or greyscale pictures, another depth, a file that ends inside
// the header or the pixels, packets that run past the picture, a
// run-length picture above 16384 pixels a side or 32 M pixels in all, or,
// with a current context, a picture wider or taller than the card holds.
bool ReadTGA(CFile& file, CTextureData& data);
