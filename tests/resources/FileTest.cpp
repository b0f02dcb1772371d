#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/Log.h"
#include "resources/File.h"

namespace
{

class FileTest : public ::testing::Test
{
protected:
    std::string Write(const char* name, const std::string& content)
    {
        const std::string path = ::testing::TempDir() + name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    CFile file;
    char buffer[16] = {};
};

} // namespace

TEST_F(FileTest, MissingFileFailsAndLogsThatItDoesNotExist)
{
    const std::string logPath = ::testing::TempDir() + "file_engine.html";
    g_engineLog.Open(logPath.c_str());
    const std::string name = ::testing::TempDir() + "no such file";
    EXPECT_FALSE(file.Open(name));
    EXPECT_TRUE(file.IsEOF());
    EXPECT_EQ(file.Read(buffer, 4), 0u);
    g_engineLog.Open("/dev/null");

    std::ifstream in(logPath);
    std::stringstream log;
    log << in.rdbuf();
    EXPECT_NE(log.str().find("<div style='color: red; background-color: #EAAD98'>File " + name +
                             " doesn't exist.</div><br>\n"),
              std::string::npos);
}

TEST_F(FileTest, ReadsStopAtTheEnd)
{
    ASSERT_TRUE(file.Open(Write("ten", "0123456789")));
    EXPECT_EQ(file.Read(buffer, 4), 4u);
    EXPECT_EQ(file.Read(buffer, 4), 4u);
    EXPECT_EQ(file.Read(buffer, 4), 2u);
    EXPECT_EQ(std::string(buffer, 2), "89");
    EXPECT_EQ(file.Read(buffer, 4), 0u);
    EXPECT_TRUE(file.IsEOF());
}

TEST_F(FileTest, SeekFromTheStartMayNotReachTheEnd)
{
    ASSERT_TRUE(file.Open(Write("ten", "0123456789")));
    EXPECT_TRUE(file.Seek(9, 0));
    EXPECT_EQ(file.Position(), 9u);
    EXPECT_FALSE(file.Seek(10, 0));
    EXPECT_EQ(file.Position(), 9u);
    EXPECT_TRUE(file.Seek(3, 2));
    EXPECT_EQ(file.Position(), 7u);
    EXPECT_FALSE(file.Seek(11, 2));
    EXPECT_EQ(file.Position(), 9u);
}

TEST_F(FileTest, RelativeSeekPastTheEndParksOnTheLastByte)
{
    ASSERT_TRUE(file.Open(Write("ten", "0123456789")));
    ASSERT_TRUE(file.Seek(8, 0));
    EXPECT_TRUE(file.Seek(1, 1));
    EXPECT_EQ(file.Position(), 9u);
    EXPECT_FALSE(file.Seek(1, 1));
    EXPECT_EQ(file.Position(), 9u);
    EXPECT_FALSE(file.Seek(0xFFFFFFFFu, 1));
    EXPECT_EQ(file.Read(buffer, 4), 1u);
    EXPECT_EQ(buffer[0], '9');
}

TEST_F(FileTest, EmptyFileOpensWithNothingToRead)
{
    ASSERT_TRUE(file.Open(Write("empty", "")));
    EXPECT_EQ(file.Size(), 0u);
    EXPECT_TRUE(file.IsEOF());
    EXPECT_EQ(file.Read(buffer, 4), 0u);
    EXPECT_FALSE(file.Seek(0, 0));
    EXPECT_EQ(file.Read(buffer, 4), 0u);
}
