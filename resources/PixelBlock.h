#pragma once

#include <cstdint>

class CTextureData;

// A block of pixels kept in a framebuffer of its own and copied onto the
// window's whole. A software renderer moves such a copy row by row as the
// rows lie in memory, at a fraction of the cost of sampling a texture over
// the same pixels, and more so in the first frame after an idle spell. The
// OpenGL names live until the context goes, as a texture's do.
class CPixelBlock
{
public:
    CPixelBlock() : m_framebuffer(0), m_width(0), m_height(0) {}     // empty: Ready is false

    // Needs a current context. `width` by `height` pixels of `fill` (red,
    // green, blue, alpha), with an opaque picture over them, its bottom-left
    // corner at (left, bottom) and cut off where it overhangs: the pixels a
    // clear to `fill` and the picture drawn unscaled leave. False, with
    // nothing kept, for a picture with alpha or an empty block, for a
    // multisampled window, and where the context cannot copy between
    // framebuffers.
    bool Create(int width, int height, const std::uint8_t fill[4], const CTextureData& picture, int left,
                int bottom);
    bool Ready() const { return m_framebuffer != 0; }   // created, and Copy may be called
    // The whole block with its bottom-left corner at (left, bottom), in
    // framebuffer pixels, untouched by the scissor test, which is left as it
    // was; the window's framebuffer is the one read from afterwards.
    void Copy(int left, int bottom) const;

private:
    std::uint32_t m_framebuffer;            // OpenGL framebuffer reading a texture that holds the pixels,
                                            // top row first; 0 until created
    int           m_width;                  // pixels
    int           m_height;                 // pixels
};
