#pragma once

// Index of this file:
//   AddMenuButton - a menu button with its caption
//   Decoration    - the background, logo and subtitle the menus share

#include "gui/ActionButton.h"
#include "gui/BaseWidget.h"
#include "gui/Label.h"

//------------------------------------------------------------------ AddMenuButton

// Every button of the menus is 128 by 32 with the same two pictures; its
// caption is centred by the menu builder's one Layout, or by the caller's.
template <typename F>
void AddMenuButton(GUI::IBaseWidget* parent, int x, int y, const char* caption, const F& action)
{
    GUI::CActionButton<F>* button =
        new GUI::CActionButton<F>(x, y, 128, 32, "Assets/buttonOut.tga", "Assets/buttonOver.tga", action);
    button->AddChild(new GUI::CLabel(caption));
    parent->AddChild(button);
}

//------------------------------------------------------------------ Decoration

void AddBackground(GUI::IBaseWidget* screen);   // the picture right of the button column
void AddDecoration(GUI::IBaseWidget* screen);   // the background, then the logo and the subtitle
