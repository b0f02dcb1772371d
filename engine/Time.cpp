#include "engine/Time.h"

#include <cstdint>

#include "engine/Window.h"

double g_startTime = 0.0;

double ElapsedTime()
{
    return WindowTimer() - g_startTime;
}

std::string TimeStamp()
{
    return std::to_string(static_cast<std::uint32_t>(ElapsedTime() * 1000.0)) + " ms";
}
