#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/Clock.h"
#include "engine/Log.h"
#include "engine/TaskHandler.h"

namespace
{

// Without a running window system the elapsed time stays 0.
class ClockTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_lastFrameTime = g_nextSecond = 0.0;
        g_frameCount = g_framesPerSecond = 0;
    }
    void TearDown() override
    {
        while (!g_clocks.empty())
            delete g_clocks.front();
    }

    CTaskHandler m_handler;
};

} // namespace

TEST_F(ClockTest, TimingAdvancesEveryClockByItsSpeedAndTakesFramesPerSecondOnceAMark)
{
    CClock fast(2.0f);
    CClock still(0.0f);
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
    EXPECT_NEAR(fast.Time(), 0.6, 1e-6);
    EXPECT_FLOAT_EQ(fast.Delta(), 0.4f);
    EXPECT_EQ(still.Time(), 0.0);
}

TEST_F(ClockTest, EachClockKeepsOneRepeatingTaskAndCleanupWarnsAboutAllButTheMainClock)
{
    const std::string path = ::testing::TempDir() + "clocks.html";
    g_engineLog.Open(path.c_str());
    InitClocks();
    new CClock(1.0f);
    new CClock(3.0f);
    for (int i = 0; i < 4; ++i)
        m_handler.Tick();
    EXPECT_EQ(m_handler.QueuedCount(), 3u);
    CleanupClocks();
    EXPECT_TRUE(g_clocks.empty());
    EXPECT_EQ(m_handler.QueuedCount(), 0u);
    InitClocks();
    CleanupClocks();

    std::ifstream in(path);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(),
              "<html><body style=\"font: 12px Verdana, sans-serif;\">\n"
              "<div style='color: blue; background-color: #94A5FC'>2 clocks not deleted.</div><br>\n");
}
