#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "engine/Callables.h"
#include "engine/Engine.h"
#include "engine/TaskHandler.h"
#include "engine/UserHooks.h"
#include "engine/Window.h"

namespace
{

int g_userInitResult = 0;
int g_framesToRun    = 0;
int g_framesSeen     = 0;

void CountFrame()
{
    if (++g_framesSeen >= g_framesToRun)
        CTaskHandler::Instance()->Stop();
}

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Each run starts the whole engine, which a process does once, so every run
// happens in a child process working in a folder of its own.
class EngineRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::testing::FLAGS_gtest_death_test_style = "threadsafe";
        m_folder = ::testing::TempDir() + "engine-run-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_EQ(std::system(("rm -rf '" + m_folder + "' && mkdir -p '" + m_folder + "'").c_str()), 0);
    }

    void RunIn()
    {
        if (chdir(m_folder.c_str()) != 0)
            std::_Exit(99);
        std::exit(RunEngine());
    }

    std::string m_folder;
};

const char* const kStamp = "\\[[0-9]+ ms";

} // namespace

int UserInit()
{
    g_windowWidth = 600;
    g_windowHeight = 480;
    g_fullscreen = 0;
    if (g_framesToRun > 0)
        new Tasks::CTask<Tasks::Starters::Bottom, Tasks::Flushers::Repeat, void (*)()>(CountFrame);
    return g_userInitResult;
}

void UserDeInit() {}

TEST_F(EngineRunTest, FailedUserInitEndsWithItsNumberAndNoShutdown)
{
    g_userInitResult = 7;
    EXPECT_EXIT(RunIn(), ::testing::ExitedWithCode(7), "User initialization failed.");

    const std::vector<std::string> lines = Lines(m_folder + "/log_engine.html");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3],
              "<div style='color: red; background-color: #EAAD98'>User initialization failed.</div><br>");
    EXPECT_EQ(lines[lines.size() - 2], "Error 7 during initialization, shutting down<br>");
    EXPECT_EQ(lines.back(), "</body></html>");
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("shutdown"), std::string::npos) << line;
}

TEST_F(EngineRunTest, StartUpAndShutdownLogEveryStepInOrder)
{
    g_framesToRun = 12;
    EXPECT_EXIT(RunIn(), ::testing::ExitedWithCode(0), "");

    const std::vector<std::string> lines = Lines(m_folder + "/log_engine.html");
    const std::vector<std::string> expected = {
        "<html><body style=\"font: 12px Verdana, sans-serif;\">",
        "Release Run -  [0-9]{2}/[0-9]{2}/[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}<br>===========================<br>",
        "\\[ - \\] Korvex Engine startup \\.\\.\\.<br>",
        std::string(kStamp) + "\\] GLFW initialization succesfull\\.<br>",
        std::string(kStamp) + "\\] Task Handler created\\.<br>",
        std::string(kStamp) + "\\] File system initialised\\.<br>",
        std::string(kStamp) + "\\] Resource Manager created\\.<br>",
        std::string(kStamp) + "\\] User initialization succesfull\\.<br>",
        std::string(kStamp) + "\\] Window Created<br>",
        std::string(kStamp) + "\\] Window Title Set<br>",
        std::string(kStamp) + "\\] OpenGL Advanced Init complete<br>",
        std::string(kStamp) + "\\] Keyboard initialized<br>",
        std::string(kStamp) + "\\] Read data<br>",
        std::string(kStamp) + "\\] Korvex Engine startup complete\\.<br><br><br>",
        "<br><br><br>",
        std::string(kStamp) + "\\] Korvex Engine shutdown \\.\\.\\.<br>",
        "User DeInit complete\\.<br>",
        "GUI Hierarchy deleted\\.<br>",
        "Task Handler deleted\\.<br>",
        "Resource Manager deleted\\.<br>",
        "GLFW Terminated\\.<br>",
        std::string(kStamp) + "\\] Korvex Engine shutdown complete\\.<br>",
        "</body></html>",
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(std::regex_match(lines[i], std::regex(expected[i]))) << "line " << i << ": " << lines[i];
}
