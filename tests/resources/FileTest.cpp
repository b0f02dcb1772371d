#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "resources/File.h"
#include "tests/resources/TestFiles.h"

// A missing file and its log line are checked with the resource manager.
TEST(FileTest, ReadsStopAtTheEndAndSeeksThatWouldReachItParkOnTheLastByte)
{
    CFile file;
    char buffer[4];
    ASSERT_TRUE(file.Open(WriteFile(::testing::TempDir() + "empty", "")));
    EXPECT_EQ(file.Size(), 0u);
    EXPECT_TRUE(file.IsEOF());
    EXPECT_FALSE(file.Seek(0, 0));
    EXPECT_EQ(file.Read(buffer, 4), 0u);

    ASSERT_TRUE(file.Open(WriteFile(::testing::TempDir() + "ten", "0123456789")));
    EXPECT_EQ(file.Read(buffer, 4) + file.Read(buffer, 4), 8u);
    EXPECT_EQ(file.Read(buffer, 4), 2u);
    EXPECT_EQ(std::string(buffer, 2), "89");
    EXPECT_EQ(file.Read(buffer, 4), 0u);
    EXPECT_TRUE(file.IsEOF());
    // Origin 0 is from the start, 1 from here, 2 back from the end.
    const struct { std::uint32_t offset; int origin; bool done; std::uint32_t position; } seeks[] = {
        {9, 0, true, 9}, {3, 2, true, 7}, {10, 0, false, 9}, {3, 2, true, 7}, {11, 2, false, 9},
        {8, 0, true, 8}, {1, 1, true, 9}, {1, 1, false, 9}, {0xFFFFFFFFu, 1, false, 9}};
    for (const auto& seek : seeks)
    {
        SCOPED_TRACE(std::to_string(seek.offset) + " from " + std::to_string(seek.origin));
        EXPECT_EQ(file.Seek(seek.offset, seek.origin), seek.done);
        EXPECT_EQ(file.Position(), seek.position);
    }
    EXPECT_EQ(file.Read(buffer, 4), 1u);
    EXPECT_EQ(buffer[0], '9');
}

// The test starts in the program's folder and moves to a folder of its own.
TEST(FileLookupTest, RelativeNameIsLookedForInTheWorkingFolderThenBesideTheProgram)
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    ASSERT_GT(length, 0);
    const std::string program(path, static_cast<std::size_t>(length));
    // The other test programs of this folder run side by side with this one.
    const std::string name = "file-lookup-" + std::to_string(getpid()) + ".txt";
    const std::string besideProgram = WriteFile(program.substr(0, program.rfind('/') + 1) + name, "beside it");
    ASSERT_NE(getcwd(path, sizeof path), nullptr);
    const std::string start = path;
    ASSERT_EQ(chdir(::testing::TempDir().c_str()), 0);

    CFile file;
    const auto contents = [&file](const std::string& opened) {
        std::string content(file.Open(opened) ? file.Size() : 0, '\0');
        file.Read(&content[0], file.Size());
        return content;
    };
    EXPECT_EQ(contents(name), "beside it");
    EXPECT_EQ(file.Name(), name);
    // Put after the program's folder, "/" + the name would name the file beside it.
    EXPECT_FALSE(file.Open("/" + name));
    WriteFile(name, "in the working folder");
    EXPECT_EQ(contents(name), "in the working folder");

    std::remove(besideProgram.c_str());
    std::remove(name.c_str());
    EXPECT_EQ(chdir(start.c_str()), 0);
}
