#include "game/MenuWidgets.h"

#include <cstdint>

#include "engine/Window.h"
#include "game/MenuTexts.h"
#include "gui/Backdrop.h"
#include "gui/Image.h"

namespace
{

// The background reaches from here to the window's right edge, and from
// below the window's bottom up to its top.
const int kBackgroundLeft = 128;            // pixels; the button column overlaps it by 10
const int kBackgroundDrop = 32;             // pixels below the window
const std::uint8_t kBackgroundUndimmed = 255;   // of 255: the picture as it is

// The logo scales with the window: 512 by 128 pixels on a 640 by 480 one.
const int kLogoWidth      = 512;
const int kLogoHeight     = 128;
const int kLogoForWidth   = 640;
const int kLogoForHeight  = 480;
const int kLogoRise       = 1;              // its top edge one pixel above the window's

const int kSubtitleX = 140;                 // just right of the background's left edge
const int kSubtitleY = 340;                 // under the logo

} // namespace

void AddBackground(GUI::CScreen* screen)
{
    screen->m_backdrop = new GUI::CBackdrop(kBackgroundLeft, -kBackgroundDrop, g_windowWidth - kBackgroundLeft,
                                            g_windowHeight + kBackgroundDrop, "Assets/mainBackground.tga",
                                            kBackgroundUndimmed);
    screen->AddChild(screen->m_backdrop);
}

void AddDecoration(GUI::CScreen* screen)
{
    AddBackground(screen);
    const int width = g_windowWidth * kLogoWidth / kLogoForWidth;
    const int height = g_windowHeight * kLogoHeight / kLogoForHeight;
    screen->AddChild(new GUI::CImage(0, g_windowHeight - height + kLogoRise, width, height, "Assets/valdmoor.tga"));
    screen->AddChild(new GUI::CLabel(kSubtitleX, kSubtitleY, kSubtitle));
}
