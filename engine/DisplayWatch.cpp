#include "engine/DisplayWatch.h"

#include <GL/glx.h>
#include <poll.h>

#include <cmath>

namespace
{

Display*      g_display          = nullptr; // the windowing library's connection, once watched
XErrorHandler g_defaultHandler   = nullptr; // the X library's own, for every other error
bool          g_displayLost      = false;
bool          g_windowDestroyed  = false;

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

// Requests that name the window, or its drawable, after another program
// destroyed it fail; they mean the window is gone, not that the program is
// broken, and so does every failure after that, down to taking the window's
// context apart. Any other error goes to the X library's own handler.
int OnRequestError(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadWindow || error->error_code == BadDrawable)
        g_windowDestroyed = true;
    if (g_windowDestroyed)
        return 0;
    return g_defaultHandler ? g_defaultHandler(display, error) : 0;
}

} // namespace

void WatchDisplay()
{
    g_display = glXGetCurrentDisplay();
    if (!g_display)
        return;
    XSetIOErrorHandler(OnConnectionError);
    XSetIOErrorExitHandler(g_display, OnConnectionLost, nullptr);
    g_defaultHandler = XSetErrorHandler(OnRequestError);
}

// The windowing library puts its own error handler in place around some
// calls and leaves the X library's default behind; this one is put back.
// The destruction's event is taken before the library would read and drop
// it; one that slips past shows as the failed request of the next frame's
// pointer query.
void ReadWindowDestruction()
{
    if (!g_display || g_displayLost)
        return;
    XSetErrorHandler(OnRequestError);
    XEvent event;
    if (XCheckTypedEvent(g_display, DestroyNotify, &event))
        g_windowDestroyed = true;
}

// The connection is watched rather than handed to the library's own wait,
// which would read and drop a destruction's event. Events the X library has
// already read sit in its queue, where the connection shows nothing.
bool WaitForDisplay(double seconds)
{
    if (!g_display)
        return false;
    if (g_displayLost)
        return true;
    // Reading a broken connection reports the loss through the handlers.
    if (XPending(g_display) > 0 || g_displayLost)
        return true;
    const double whole = std::floor(seconds);
    const timespec timeout = {static_cast<time_t>(whole), static_cast<long>((seconds - whole) * 1e9)};
    pollfd connection = {ConnectionNumber(g_display), POLLIN, 0};
    ppoll(&connection, 1, &timeout, nullptr);
    return true;
}

bool DisplayLost()
{
    return g_displayLost;
}

bool WindowDestroyed()
{
    return g_windowDestroyed;
}
