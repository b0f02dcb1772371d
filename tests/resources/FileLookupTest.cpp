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
        ASSERT_EQ(chdir(m_workFolder.c_str()), 0);
        g_engineLog.Open("engine.html");
    }

    void TearDown() override
    {
        g_engineLog.Open("/dev/null");
        std::remove((m_programFolder + "/" + kName).c_str());
        std::remove((m_workFolder + "/" + kName).c_str());
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

    static constexpr const char* kName = "file-lookup-probe.txt";
    std::string m_programFolder;
    std::string m_startFolder;
    std::string m_workFolder;
    CFile m_file;
};

} // namespace

TEST_F(FileLookupTest, ARelativeNameIsFoundBesideTheProgram)
{
    Write(m_programFolder + "/" + kName, "beside the program");
    EXPECT_EQ(ReadWhole(kName), "beside the program");
    EXPECT_EQ(m_file.Name(), kName);
}

TEST_F(FileLookupTest, TheWorkingFolderComesFirst)
{
    Write(m_programFolder + "/" + kName, "beside the program");
    Write(m_workFolder + "/" + kName, "in the working folder");
    EXPECT_EQ(ReadWhole(kName), "in the working folder");
}

TEST_F(FileLookupTest, AnAbsoluteNameIsOnlyLookedForWhereItSays)
{
    // Put after the program's folder, "/file-lookup-probe.txt" would name the file beside it.
    Write(m_programFolder + "/" + kName, "beside the program");
    const std::string absolute = std::string("/") + kName;
    EXPECT_FALSE(m_file.Open(absolute));

    std::ifstream in("engine.html");
    const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(log.find("File " + absolute + " doesn't exist."), std::string::npos);
}
