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
    return MillisecondStamp(ElapsedTime());
}

// Milliseconds are counted in 64 bits, which last for hundreds of millions of
// years; 32 would run out after 49.7 days. Times before the start read as 0.
std::string MillisecondStamp(double seconds)
{
    const double milliseconds = seconds * 1000.0;
    const std::uint64_t whole = milliseconds >= 1.8e19 ? UINT64_MAX
                                : milliseconds > 0.0    ? static_cast<std::uint64_t>(milliseconds)
                                                        : 0;
    return std::to_string(whole) + " ms";
}
