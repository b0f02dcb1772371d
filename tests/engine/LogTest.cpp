#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/Log.h"

namespace
{

class LogTest : public ::testing::Test
{
protected:
    void SetUp() override { std::remove(m_path.c_str()); }

    std::string Written() const
    {
        std::ifstream in(m_path, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }

    const std::string m_path = ::testing::TempDir() + "log";
};

void Write(CLog& log, int level, const std::string& text)
{
    log.SetLevel(level);
    log << text;
    log.Commit();
}

} // namespace

TEST_F(LogTest, HtmlColoursWarningsAndErrorsAndMarksUpLineFeedsAndTabs)
{
    const std::string head = "<html><body style=\"font: 12px Verdana, sans-serif;\">\n"
                             "<div style='color: red; background-color: #EAAD98'>a<br>b</div><br>\n"
                             "<div style='color: blue; background-color: #94A5FC'>2 clocks not deleted.</div><br>\n"
                             "&nbsp;&nbsp;&nbsp;&nbsp;name <b>&<br>\n";
    {
        CLog log(CLog::Html);
        log.Open(m_path.c_str());
        Write(log, Error, "a\nb");
        log.SetLevel(Warning);
        log << static_cast<std::uint32_t>(2) << " clocks not deleted.";
        log.Commit();
        Write(log, Message, "\tname <b>&");
        EXPECT_EQ(Written(), head) << "each commit is on disk at once";
    }
    EXPECT_EQ(Written(), head + "</body></html>\n");
}

TEST_F(LogTest, TextLogPrefixesWarningsAndErrorsAndKeepsLineFeeds)
{
    {
        CLog log(CLog::Text);
        log.Open(m_path.c_str());
        Write(log, Warning, "low");
        log.SetLevel(Error);
        log << "Couldn't read file " << std::string("x.tga");
        log.Commit();
        Write(log, Message, "two\n\tlines");
        Write(log, 7, "odd level");
        Write(log, Message, std::string("abc\0def", 7));
    }
    EXPECT_EQ(Written(), "Warning: low\nError: Couldn't read file x.tga\ntwo\n\tlines\nodd level\nabc\n");
}

TEST_F(LogTest, PendingPiecesJoinTheNextMessageAndNothingIsWrittenBeforeOpen)
{
    CLog log(CLog::Text);
    Write(log, Message, "dropped before open");
    log.Open(m_path.c_str());
    log << "left over, ";
    log << static_cast<std::int32_t>(-12) << " ";
    log << "then the message";
    log.Commit();
    EXPECT_EQ(Written(), "left over, -12 then the message\n");

    CLog unopenable(CLog::Html);
    unopenable.Open("/nonexistent-folder/log.html");
    Write(unopenable, Error, "lost");
}
