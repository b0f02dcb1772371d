#include "support/GLContext.h"

#include <chrono>
#include <thread>

#include "engine/Window.h"

// Now and then, with many test processes connecting to one virtual display
// at once, a connection is refused; a few tries a moment apart get through.
bool OpenTestContext(int width, int height)
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
    return opened;
}
