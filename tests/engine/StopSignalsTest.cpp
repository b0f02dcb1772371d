#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "engine/StopSignals.h"

// Each signal in a child of its own: the flag, once raised, stays raised.
TEST(StopSignalsTest, InterruptTerminateAndHangUpOnlyRaiseTheFlagTwiceOver)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
    {
        const auto run = [signal] {
            CatchStopSignals();
            const bool before = StopSignalled();
            std::raise(signal);
            std::raise(signal);
            std::exit(!before && StopSignalled() ? 0 : 1);
        };
        EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "") << "signal " << signal;
    }
}
