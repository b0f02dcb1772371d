#include "game/MenuWidgets.h"

#include "engine/Window.h"
#include "game/MenuTexts.h"
#include "gui/Image.h"

void AddBackground(GUI::IBaseWidget* screen)
{
    screen->AddChild(new GUI::CImage(128, -32, g_windowWidth - 128, g_windowHeight + 32, "Assets/mainBackground.tga"));
}

// The logo scales with the window: 512 by 128 pixels on a 640 by 480 one.
void AddDecoration(GUI::IBaseWidget* screen)
{
    AddBackground(screen);
    const int width = g_windowWidth * 512 / 640;
    const int height = g_windowHeight * 128 / 480;
    screen->AddChild(new GUI::CImage(0, g_windowHeight - height + 1, width, height, "Assets/valdmoor.tga"));
    screen->AddChild(new GUI::CLabel(140, 340, kSubtitle));
}
