#pragma once

#include "gui/BaseWidget.h"

namespace GUI
{

// The base of the dialogs.
class CWindow : public IBaseWidget
{
public:
    CWindow(int x, int y, int width, int height) : IBaseWidget(x, y, width, height) {}    // visible
};

} // namespace GUI
