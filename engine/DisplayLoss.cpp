#include "engine/DisplayLoss.h"

#include <GL/glx.h>

namespace
{

bool g_displayLost = false;

// The X library calls this first; returning hands over to the exit handler.
int OnConnectionError(Display*)
{
    g_displayLost = true;
    return 0;
}

// Returning, rather than exiting, leaves the connection marked dead: the X
// library's later calls on it return at once.
void OnConnectionLost(Display*, void*)
{
    g_displayLost = true;
}

} // namespace

void WatchForDisplayLoss()
{
    Display* display = glXGetCurrentDisplay();
    if (!display)
        return;
    XSetIOErrorHandler(OnConnectionError);
    XSetIOErrorExitHandler(display, OnConnectionLost, nullptr);
}

bool DisplayLost()
{
    return g_displayLost;
}
