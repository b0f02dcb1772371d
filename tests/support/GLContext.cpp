#include "support/GLContext.h"

#include "engine/Window.h"

bool OpenTestContext(int width, int height)
{
    static const bool opened = InitWindowSystem() && OpenWindow(width, height, false, false);
    return opened;
}
