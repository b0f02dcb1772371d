#include <gtest/gtest.h>

#include <GL/glx.h>
#include <GLFW/glfw3.h>

#include "engine/Window.h"
#include "support/GLContext.h"

// The windowing library's own handle of the test window on the display. Its
// native header would declare it, but wants the headers of every display
// extension the library uses.
extern "C" Window glfwGetX11Window(GLFWwindow* window);

namespace
{

// Far longer than an event takes to come back from the display; a wait that
// misses its event fails the test only after it.
const double kLongWait = 10.0;

// Another program's event for the test window, sent through the display.
void Send(XEvent event, long mask)
{
    Display* display = glXGetCurrentDisplay();
    event.xany.display = display;
    event.xany.window = glfwGetX11Window(glfwGetCurrentContext());
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
