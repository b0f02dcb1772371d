#include <gtest/gtest.h>

#include <limits>

#include "engine/FramePacer.h"

namespace
{

const double kPeriod = 0.02;
const double kNoTask = std::numeric_limits<double>::infinity();

// What the last frame did with the buffers: swapped and the swap came back at
// once, swapped and the swap waited for the display, or did not swap.
enum LastFrame { Drew, DrewWaiting, DrewNothing };

} // namespace

TEST(FramePacerTest, WaitsOutTheFrameUnlessTheDisplayPacedOrFreshWorkWaitsAfterAnIdleFrameOrATaskFallsDue)
{
    // now and task: seconds after the last frame started
    const struct { const char* name; LastFrame last; bool pending; double now, task, delay; } cases[] = {
        {"idle, early in the frame", DrewNothing, false, 0.005, kNoTask, 0.015},
        {"idle, the frame already over", DrewNothing, false, 0.03, kNoTask, 0.0},
        {"drawn, swap back at once", Drew, false, 0.004, kNoTask, 0.016},
        {"drawn, new work waits as well", Drew, true, 0.004, kNoTask, 0.016},
        {"new work after an idle frame", DrewNothing, true, 0.001, kNoTask, 0.0},
        {"the swap waited for the display", DrewWaiting, false, 0.011, kNoTask, 0.0},
        {"idle, a task due within the frame", DrewNothing, false, 0.005, 0.012, 0.007},
        {"drawn, a task due within the frame", Drew, false, 0.004, 0.005, 0.001},
        {"idle, a task due after the frame", DrewNothing, false, 0.005, 0.5, 0.015},
        {"idle, a task already due", DrewNothing, false, 0.005, 0.002, 0.0},
    };
    for (const auto& item : cases)
    {
        CFramePacer pacer(kPeriod);
        pacer.FrameStarted(10.0);
        if (item.last == DrewNothing)
            pacer.Skipped();
        else
            pacer.Swapped(item.last == DrewWaiting ? 0.6 * kPeriod : 0.001);
        EXPECT_NEAR(pacer.Delay(10.0 + item.now, item.pending, 10.0 + item.task), item.delay, 1e-9) << item.name;
    }
}

TEST(FramePacerTest, TheFirstFrameStartsAtOnceAndANewPeriodAppliesFromTheLastFrameOn)
{
    CFramePacer pacer(kPeriod);
    EXPECT_EQ(pacer.Delay(3.0, false, kNoTask), 0.0);
    pacer.FrameStarted(3.0);
    pacer.Skipped();
    pacer.SetPeriod(0.05);
    EXPECT_NEAR(pacer.Delay(3.01, false, kNoTask), 0.04, 1e-9);
}

TEST(FramePacerTest, IdleOnceAFrameHasStartedAndTheLastDrewNothing)
{
    CFramePacer pacer(kPeriod);
    EXPECT_FALSE(pacer.Idle()) << "before the first frame";
    pacer.FrameStarted(1.0);
    pacer.Swapped(0.001);
    EXPECT_FALSE(pacer.Idle()) << "after a frame that drew";
    pacer.FrameStarted(1.02);
    pacer.Skipped();
    EXPECT_TRUE(pacer.Idle());
}
