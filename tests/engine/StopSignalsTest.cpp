#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "engine/StopSignals.h"

// In a child of its own: the flag, once raised, stays raised. Interrupt and
// terminate, twice over, are sent to the game by the end-to-end tests.
TEST(StopSignalsTest, HangUpOnlyRaisesTheFlagTwiceOver)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const auto run = [] {
        CatchStopSignals();
        const bool before = StopSignalled();
        std::raise(SIGHUP);
        std::raise(SIGHUP);
        std::exit(!before && StopSignalled() ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}
