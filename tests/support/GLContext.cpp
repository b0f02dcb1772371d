#include "support/GLContext.h"

#include <chrono>
#include <thread>

#include "engine/Window.h"

namespace
{

// Now and then, with many test processes connecting to one virtual display
// at once, a connection is refused; a few tries a moment apart get through.
bool OpenWithRetries(int width, int height)
{
    for (int attempt = 0; attempt < 10; ++attempt)
    {
        if (InitWindowSystem())
        {
            if (OpenWindow(width, height, false, false))
                return true;
            TerminateWindowSystem();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return false;
}

} // namespace

bool OpenTestContext(int width, int height)
{
    static const bool opened = OpenWithRetries(width, height);
    return opened;
}
