#pragma once

#include <cstdint>

#include "gui/Image.h"

namespace GUI
{

// A picture always drawn darkened by one grey. The darkening is worked out
// once, into a texture of its own, instead of by the renderer at every pixel
// of every frame; drawn at its own size on an unscaled canvas it is sampled
// nearest as well. The same pixels, for less of the cost of a large picture.
class CShadedImage : public CImage
{
public:
    // Loaded without mipmaps; grey of 255 leaves the picture as it is.
    CShadedImage(int x, int y, int width, int height, const char* texture, std::uint8_t grey);

    bool Draw() override;                   // the darkened picture over the rectangle, if it loaded

protected:
    CTextureObject m_shaded;                // each colour of the picture times grey / 255, rounded;
                                            // no texture name when the picture did not load or no
                                            // memory was left for the copy

private:
    std::uint8_t   m_grey;                  // of 255: what each colour of the picture is darkened by
};

} // namespace GUI
