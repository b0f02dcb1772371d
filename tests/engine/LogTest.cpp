#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/Log.h"

namespace
{

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

class LogTest : public ::testing::Test
{
protected:
    std::string Path(const char* name)
    {
        const std::string path = ::testing::TempDir() + name;
        std::remove(path.c_str());
        return path;
    }
};

} // namespace

TEST_F(LogTest, HtmlErrorIsARedBlockWithLineBreaks)
{
    const std::string path = Path("error.html");
    {
        CLog log(CLog::Html);
        log.Open(path.c_str());
        log.SetLevel(Error);
        log << "a\nb";
        log.Commit();
    }
    EXPECT_EQ(ReadAll(path),
              "<html><body style=\"font: 12px Verdana, sans-serif;\">\n"
              "<div style='color: red; background-color: #EAAD98'>a<br>b</div><br>\n"
              "</body></html>\n");
}

TEST_F(LogTest, HtmlWarningIsBlueAndTabsBecomeFourSpaces)
{
    const std::string path = Path("warning.html");
    CLog log(CLog::Html);
    log.Open(path.c_str());
    log.SetLevel(Warning);
    log << static_cast<std::uint32_t>(2) << " clocks not deleted.";
    log.Commit();
    log.SetLevel(Message);
    log << "\tname <b>&";
    log.Commit();

    EXPECT_EQ(ReadAll(path),
              "<html><body style=\"font: 12px Verdana, sans-serif;\">\n"
              "<div style='color: blue; background-color: #94A5FC'>2 clocks not deleted.</div><br>\n"
              "&nbsp;&nbsp;&nbsp;&nbsp;name <b>&<br>\n");
}

TEST_F(LogTest, TextLogPrefixesWarningsAndErrorsAndKeepsLineFeeds)
{
    const std::string path = Path("general.log");
    {
        CLog log(CLog::Text);
        log.Open(path.c_str());
        log.SetLevel(Warning);
        log << "low";
        log.Commit();
        log.SetLevel(Error);
        log << "Couldn't read file " << std::string("x.tga");
        log.Commit();
        log.SetLevel(Message);
        log << "two\n\tlines";
        log.Commit();
        log.SetLevel(7);
        log << "odd level";
        log.Commit();
    }
    EXPECT_EQ(ReadAll(path), "Warning: low\nError: Couldn't read file x.tga\ntwo\n\tlines\nodd level\n");
}

TEST_F(LogTest, PendingPiecesJoinTheNextMessage)
{
    const std::string path = Path("pending.log");
    CLog log(CLog::Text);
    log.SetLevel(Message);
    log << "dropped before open";
    log.Commit();
    log.Open(path.c_str());
    log << "left over, ";
    log << static_cast<std::int32_t>(-12) << " ";
    log << "then the message";
    log.Commit();

    EXPECT_EQ(ReadAll(path), "left over, -12 then the message\n");
}

TEST_F(LogTest, StringPiecesEndAtTheirFirstZero)
{
    const std::string path = Path("zero.log");
    CLog log(CLog::Text);
    log.Open(path.c_str());
    log.SetLevel(Message);
    log << std::string("abc\0def", 7);
    log.Commit();

    EXPECT_EQ(ReadAll(path), "abc\n");
}

TEST_F(LogTest, UnopenableFileWritesNothingAndKeepsGoing)
{
    CLog log(CLog::Html);
    log.Open("/nonexistent-folder/log.html");
    log.SetLevel(Error);
    log << "lost";
    log.Commit();
    SUCCEED();
}
