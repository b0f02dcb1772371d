#pragma once

#include <cstdint>

#include "gui/ShadedImage.h"
#include "resources/PixelBlock.h"

namespace GUI
{

// A screen's background: a darkened picture over the cleared canvas, drawn
// before anything else of the screen. On an unscaled canvas it is copied
// onto the framebuffer as one block of the canvas's size, the cleared parts
// included, so that the frame need not clear the canvas first; a block copy
// would otherwise wait for the renderer to finish that clear before it
// could start.
class CBackdrop : public CShadedImage
{
public:
    // Needs a current context; the clear colour is the one set now.
    CBackdrop(int x, int y, int width, int height, const char* texture, std::uint8_t grey);

    // The whole canvas when PaintsCanvas, else the picture alone; nothing
    // when it is the backdrop laid in the back buffer already.
    bool Draw() override;
    // Whether Draw now covers every pixel of the canvas with what a clear
    // and the picture would leave: shown, on an unscaled canvas, with the
    // clear colour the block was made with.
    bool PaintsCanvas() const;

private:
    std::uint8_t m_clear[4];                // red, green, blue, alpha of the clear the block holds
    CPixelBlock  m_canvas;                  // the canvas as that clear and the picture leave it; not
                                            // ready for a picture with alpha or a renderer that cannot copy
};

// The backdrop a frame finds copied into the back buffer already, right
// after the swap before it, or null: set by the frame while it draws the
// tree, only when its canvas lies where it lay then.
extern const CBackdrop* g_laidBackdrop;

} // namespace GUI
