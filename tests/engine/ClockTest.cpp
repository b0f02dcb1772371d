#include <gtest/gtest.h>

#include <string>

#include "engine/Clock.h"
#include "engine/Log.h"
#include "engine/TaskHandler.h"
#include "engine/Time.h"
#include "tests/resources/TestFiles.h"

// Without a running window system the elapsed time stays 0. Cleanup warns
// about every clock left but the main one.
TEST(ClockTest, TimingAdvancesEachClockByItsSpeedEachKeepsOneRepeatingTaskAndCleanupWarnsOfTheRest)
{
    CTaskHandler handler;
    const std::string path = ::testing::TempDir() + "clocks.html";
    g_engineLog.Open(path.c_str());
    InitClocks();
    const CClock* fast = new CClock(2.0f);
    const CClock* still = new CClock(0.0f);
    g_lastFrameTime = -0.1;
    UpdateTiming();
    EXPECT_EQ(g_nextSecond, 1.0);
    EXPECT_EQ(g_framesPerSecond, 0);
    UpdateTiming();
    g_lastFrameTime = -0.2;
    UpdateTiming();
    EXPECT_EQ(g_frameCount, 2);
    EXPECT_EQ(g_nextSecond, 1.0);
    EXPECT_FLOAT_EQ(g_frameDelta, 0.2f);
    EXPECT_NEAR(fast->Time(), 0.6, 1e-6);
    EXPECT_FLOAT_EQ(fast->Delta(), 0.4f);
    EXPECT_EQ(still->Time(), 0.0);

    for (int i = 0; i < 4; ++i)
        handler.Tick();
    EXPECT_EQ(handler.QueuedCount(), 3u);
    CleanupClocks();
    EXPECT_TRUE(g_clocks.empty());
    EXPECT_EQ(handler.QueuedCount(), 0u);
    InitClocks();
    CleanupClocks();
    EXPECT_EQ(ReadFile(path), "<html><body style=\"font: 12px Verdana, sans-serif;\">\n"
                              "<div style='color: blue; background-color: #94A5FC'>2 clocks not deleted.</div><br>\n");
}

// Past 49.7 days the milliseconds no longer fit 32 bits; the stamp goes on
// counting.
TEST(TimeStampTest, MillisecondsAreTruncatedAndCountOnPastFortyNineDays)
{
    const struct { double seconds; const char* stamp; } cases[] = {
        {1.5327, "1532 ms"}, {0.0, "0 ms"}, {4294967.2955, "4294967295 ms"}, {4294967.2965, "4294967296 ms"},
        {100.0 * 86400.0, "8640000000 ms"}, {-1.0, "0 ms"}, {1e300, "18446744073709551615 ms"}};
    for (const auto& time : cases)
        EXPECT_EQ(MillisecondStamp(time.seconds), time.stamp) << time.seconds;
}
