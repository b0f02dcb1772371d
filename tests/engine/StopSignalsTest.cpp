#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "engine/Log.h"
#include "engine/StopSignals.h"
#include "tests/resources/TestFiles.h"

// In a child of its own: the first hang-up only raises the flag; the second
// ends the program at once with 128 + its number, after its line in the
// engine log and the log's closing tag.
TEST(StopSignalsTest, FirstHangUpRaisesTheFlagAndTheSecondEndsAtOnceWithItsLine)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const std::string path = ::testing::TempDir() + "stop-signals.html";
    const auto run = [&path] {
        g_engineLog.Open(path.c_str());
        CatchStopSignals();
        const bool before = StopSignalled();
        std::raise(SIGHUP);
        if (before || !StopSignalled())
            std::exit(1);
        std::raise(SIGHUP);
        std::exit(2);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(128 + SIGHUP), "");
    EXPECT_EQ(ReadFile(path), "<html><body style=\"font: 12px Verdana, sans-serif;\">\n"
                              "<div style='color: red; background-color: #EAAD98'>A second hang-up signal came "
                              "before the first had ended the program: ending at once with exit code 129"
                              "</div><br>\n</body></html>\n");
}
