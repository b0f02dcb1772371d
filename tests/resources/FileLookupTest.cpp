#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "engine/Log.h"
#include "resources/File.h"

namespace
{

// A relative name is looked for in the working folder, then beside the
// program; these tests run in a folder of their own, away from the program.
class FileLookupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char path[4096];
        const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
        ASSERT_GT(length, 0);
        const std::string program(path, static_cast<std::size_t>(length));
        m_programFolder = program.substr(0, program.rfind('/'));
        ASSERT_NE(getcwd(path, sizeof path), nullptr);
        m_startFolder = path;
        char work[] = "/tmp/file-lookup-XXXXXX";
        ASSERT_NE(mkdtemp(work), nullptr);
        m_workFolder = work;
        // Test cases run side by side, each in a process of its own, and share the program's folder.
        m_name = "file-lookup-" + std::to_string(getpid()) + ".txt";
        ASSERT_EQ(chdir(m_workFolder.c_str()), 0);
        g_engineLog.Open("engine.html");
    }

    void TearDown() override
    {
        g_engineLog.Open("/dev/null");
        std::remove((m_programFolder + "/" + m_name).c_str());
        std::remove((m_workFolder + "/" + m_name).c_str());
        std::remove((m_workFolder + "/engine.html").c_str());
        std::remove(m_workFolder.c_str());
        ASSERT_EQ(chdir(m_startFolder.c_str()), 0);
    }

    static void Write(const std::string& path, const std::string& content)
    {
        std::ofstream(path, std::ios::binary) << content;
    }

    std::string ReadWhole(const std::string& name)
    {
        if (!m_file.Open(name))
            return "(not opened)";
        std::string content(m_file.Size(), '\0');
        m_file.Read(&content[0], m_file.Size());
        return content;
    }

    std::string m_name;
    std::string m_programFolder;
    std::string m_startFolder;
    std::string m_workFolder;
    CFile m_file;
};

} // namespace

TEST_F(FileLookupTest, ARelativeNameIsFoundBesideTheProgram)
{
    Write(m_programFolder + "/" + m_name, "beside the program");
    EXPECT_EQ(ReadWhole(m_name), "beside the program");
    EXPECT_EQ(m_file.Name(), m_name);
}

TEST_F(FileLookupTest, TheWorkingFolderComesFirst)
{
    Write(m_programFolder + "/" + m_name, "beside the program");
    Write(m_workFolder + "/" + m_name, "in the working folder");
    EXPECT_EQ(ReadWhole(m_name), "in the working folder");
}

TEST_F(FileLookupTest, AnAbsoluteNameIsOnlyLookedForWhereItSays)
{
    // Put after the program's folder, "/" + the name would name the file beside it.
    Write(m_programFolder + "/" + m_name, "beside the program");
    const std::string absolute = "/" + m_name;
    EXPECT_FALSE(m_file.Open(absolute));

    std::ifstream in("engine.html");
    const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(log.find("File " + absolute + " doesn't exist."), std::string::npos);
}
