#include <cstdlib>

#include "support/GLContext.h"

TEST(OpenTestContextTest, SaysThatTheDisplayIsMissing)
{
    unsetenv("DISPLAY");
    const testing::AssertionResult opened = OpenTestContext();
    EXPECT_FALSE(opened);
    EXPECT_STREQ("no display to open the test window on: DISPLAY is not set (run the tests under xvfb-run)",
                 opened.message());
}
