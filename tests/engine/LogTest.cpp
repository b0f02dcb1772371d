#include <gtest/gtest.h>

#include <string>

#include "engine/Log.h"
#include "tests/resources/TestFiles.h"

// The HTML log's head, colours, tabs, line feeds and closing line are checked
// where the engine writes them: by the clock, resource manager and engine
// tests and the end-to-end run.
namespace
{

const std::string g_path = ::testing::TempDir() + "log";

void Write(CLog& log, int level, const std::string& text)
{
    log.SetLevel(level);
    log << text;
    log.Commit();
}

} // namespace

TEST(LogTest, TextLogPrefixesWarningsAndErrorsKeepsLineFeedsAndWritesNothingBeforeOpen)
{
    {
        CLog log(CLog::Text);
        Write(log, Error, "dropped before open");
        log.Open(g_path.c_str());
        Write(log, Warning, "low");
        log.SetLevel(Error);
        log << "Couldn't read file " << std::string("x.tga");
        log << " at " << static_cast<std::int32_t>(-12);
        log.Commit();
        Write(log, Message, "two\n\tlines");
        Write(log, 7, "odd level");
        Write(log, Message, std::string("abc\0def", 7));
    }
    EXPECT_EQ(ReadFile(g_path), "Warning: low\nError: Couldn't read file x.tga at -12\ntwo\n\tlines\nodd level\nabc\n");
}
