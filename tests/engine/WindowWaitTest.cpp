#include <gtest/gtest.h>

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <unistd.h>

#include "engine/Window.h"
#include "support/GLContext.h"

namespace
{

// Far longer than an event takes to come back from the display; a wait that
// misses its event fails the test only after it.
const double kLongWait = 10.0;

// The test's own window among the display's top-level ones, which other
// tests' windows may share, known by the process that owns it.
Window TestWindow(Display* display)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned index = 0; index < count && !found; ++index)
    {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* value = nullptr;
        if (XGetWindowProperty(display, children[index], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                               &after, &value) == Success && value && items == 1 &&
            *reinterpret_cast<unsigned long*>(value) == static_cast<unsigned long>(getpid()))
            found = children[index];
        if (value)
            XFree(value);
    }
    if (children)
        XFree(children);
    return found;
}

// Another program's event for the test window, sent through the display.
void Send(XEvent event, long mask)
{
    Display* display = glXGetCurrentDisplay();
    event.xany.display = display;
    event.xany.window = TestWindow(display);
    ASSERT_NE(event.xany.window, 0u) << "no window of this process on the display";
    XSendEvent(display, event.xany.window, False, mask, &event);
    XFlush(display);
}

// The window system's own events for a new window (its properties, its
// configuration), which end a wait as well but call nothing, are taken
// first; a stray one left over ends a wait at most once or twice more.
WindowWake WaitForTheEvent()
{
    WindowWake wake = WakeTimeUp;
    for (int wait = 0; wait < 3 && wake == WakeTimeUp; ++wait)
        wake = WaitWindowEvents(kLongWait);
    return wake;
}

} // namespace

TEST(WindowWaitTest, AKeyEndsTheWaitAsAKeyOtherEventsAsEventsAndNothingAsTimeUp)
{
    ASSERT_TRUE(OpenTestContext());
    for (int wait = 0; wait < 5; ++wait)
        WaitWindowEvents(0.05);
    PollWindowEvents();

    XEvent key = {};
    key.xkey.type = KeyPress;
    key.xkey.keycode = XKeysymToKeycode(glXGetCurrentDisplay(), XK_a);
    key.xkey.same_screen = True;
    Send(key, KeyPressMask);
    EXPECT_EQ(WaitForTheEvent(), WakeKey);
    EXPECT_FALSE(PollWindowEvents()) << "a key alone is no event for the frame to draw";

    XEvent exposure = {};
    exposure.xexpose.type = Expose;
    exposure.xexpose.width = 8;
    exposure.xexpose.height = 8;
    Send(exposure, ExposureMask);
    EXPECT_EQ(WaitForTheEvent(), WakeEvent);
    EXPECT_TRUE(PollWindowEvents()) << "the exposure waits for the frame that draws it";

    EXPECT_EQ(WaitWindowEvents(0.01), WakeTimeUp);
}
