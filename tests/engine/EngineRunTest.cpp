#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "engine/startup/Engine.h"
#include "engine/startup/UserHooks.h"
#include "tests/resources/TestFiles.h"

int UserInit()
{
    return 7;
}

void UserDeInit() {}

// The engine starts once a process, so it runs in a child working in a
// folder of its own; the whole start-up and shutdown are the e2e tests' part.
TEST(EngineRunTest, FailedUserInitEndsWithItsNumberAndNoShutdown)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const std::string folder = ::testing::TempDir() + "engine-run";
    ASSERT_EQ(std::system(("rm -rf '" + folder + "' && mkdir -p '" + folder + "'").c_str()), 0);
    const auto run = [&folder] {
        if (chdir(folder.c_str()) != 0)
            std::_Exit(99);
        std::exit(RunEngine());
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(7), "User initialization failed.");

    const std::string log = ReadFile(folder + "/log_engine.html");
    const std::string end = "<div style='color: red; background-color: #EAAD98'>User initialization failed.</div><br>\n"
                            "Error 7 during initialization, shutting down<br>\n</body></html>\n";
    ASSERT_GE(log.size(), end.size());
    EXPECT_EQ(log.substr(log.size() - end.size()), end);
    EXPECT_EQ(log.find("shutdown"), std::string::npos) << log;
}
