#pragma once

// Index of this file:
//   Placement     - where the menus put their buttons
//   AddMenuButton - a menu button with its caption, and "Back"
//   Decoration    - the background, logo and subtitle the menus share

#include "engine/Window.h"
#include "gui/ActionButton.h"
#include "gui/BaseWidget.h"
#include "gui/ButtonLook.h"
#include "gui/Label.h"
#include "gui/Screen.h"

//------------------------------------------------------------------ Placement

// The menus' one column of buttons at the left edge, each 3 pixels above the
// next; row 0 is the top one.
const int kMenuColumnX   = 10;              // pixels from the window's left edge
const int kMenuRowStep   = GUI::kButtonHeight + 3;  // from one button's bottom edge to the next's
const int kMenuBottomRow = 30;              // bottom edge of the lowest button of a full column
const int kMenuRows      = 5;               // buttons in a full column

// The bottom edge of the column's button in the given row, 0 at the top.
constexpr int MenuRowY(int row)
{
    return kMenuBottomRow + (kMenuRows - 1 - row) * kMenuRowStep;
}

// "Back" on a screen whose column has no room for it: at the bottom right.
const int kBackRightGap = 10;               // pixels between the button and the window's right edge
const int kBackY        = 3;                // bottom edge, just off the window's bottom one

//------------------------------------------------------------------ AddMenuButton

// Every button of the menus has the shared button look; its caption is
// centred by the menu builder's one Layout, or by the caller's.
template <typename F>
void AddMenuButton(GUI::IBaseWidget* parent, int x, int y, const char* caption, const F& action)
{
    GUI::CActionButton<F>* button = new GUI::CActionButton<F>(x, y, GUI::kButtonWidth, GUI::kButtonHeight,
                                                              GUI::kButtonOut, GUI::kButtonOver, action);
    button->AddChild(new GUI::CLabel(caption));
    parent->AddChild(button);
}

// "Back" at the bottom right of the screen, where the action leads back.
template <typename F>
void AddBackButton(GUI::IBaseWidget* screen, const F& action)
{
    AddMenuButton(screen, g_windowWidth - kBackRightGap - GUI::kButtonWidth, kBackY, "Back", action);
}

//------------------------------------------------------------------ Decoration

// The screen's first child, and its backdrop: the picture right of the button column.
void AddBackground(GUI::CScreen* screen);
void AddDecoration(GUI::CScreen* screen);       // the background, then the logo and the subtitle
