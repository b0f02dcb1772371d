#include "support/GLContext.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "engine/Window.h"

// Now and then, with many test processes connecting to one virtual display
// at once, a connection is refused; a few tries a moment apart get through.
testing::AssertionResult OpenTestContext(int width, int height)
{
    static const bool opened = [width, height] {
        for (int attempt = 0; attempt < 10; ++attempt)
        {
            if (InitWindowSystem() && OpenWindow(width, height, false, false))
                return true;
            TerminateWindowSystem();
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return false;
    }();
    if (opened)
        return testing::AssertionSuccess();

    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        return testing::AssertionFailure()
               << "no display to open the test window on: DISPLAY is not set (run the tests under xvfb-run)";
    return testing::AssertionFailure() << "no window with an OpenGL context could be opened on the display "
                                       << display;
}

void DrawPixelForUnit(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, 0, height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
