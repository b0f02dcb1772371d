#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/Log.h"
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

// Only regular files are data: a named pipe with no writer, or a device that
// never ends, would otherwise wait or read for ever. Those two, among the
// pictures, are the end-to-end tests'; here the other kinds.
TEST(FileTest, SpecialFilesAreRefusedWithALineNamingWhatTheyAre)
{
    const std::string dir = ::testing::TempDir() + "special/";
    ASSERT_EQ(std::system(("rm -rf '" + dir + "' && mkdir -p '" + dir + "folder'").c_str()), 0);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const std::string socketPath = dir + "socket";
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, socketPath.c_str());
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    g_engineLog.Open((dir + "engine.html").c_str());
    CFile file;
    for (const char* name : {"folder", "socket"})
    {
        EXPECT_FALSE(file.Open(dir + name)) << name;
        EXPECT_EQ(file.Size(), 0u);
        EXPECT_TRUE(file.IsEOF());
    }
    g_engineLog.Open("/dev/null");
    close(listener);
    const std::string error = "<div style='color: red; background-color: #EAAD98'>File " + dir;
    EXPECT_EQ(ReadFile(dir + "engine.html"),
              "<html><body style=\"font: 12px Verdana, sans-serif;\">\n" +
              error + "folder is a folder, not a regular file.</div><br>\n" +
              error + "socket is a socket, not a regular file.</div><br>\n");
}

// A gigabyte file (sparse, so it costs no disk) opens with its size from the
// system and no more read of it than the reader asks for.
TEST(FileTest, OpeningALargeFileReadsOnlyWhatIsAskedFor)
{
    const std::string path = ::testing::TempDir() + "large";
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(ftruncate(descriptor, 1 << 30), 0);
    ASSERT_EQ(pwrite(descriptor, "head", 4, 0), 4);
    close(descriptor);

    rusage before = {};
    getrusage(RUSAGE_SELF, &before);
    CFile file;
    ASSERT_TRUE(file.Open(path));
    char head[4];
    EXPECT_EQ(file.Read(head, 4), 4u);
    EXPECT_EQ(std::string(head, 4), "head");
    EXPECT_EQ(file.Size(), 1u << 30);
    EXPECT_TRUE(file.Seek(1, 2));
    EXPECT_EQ(file.Read(head, 4), 1u);
    EXPECT_EQ(head[0], '\0');
    rusage after = {};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 16 * 1024) << "kB more at the peak";
    std::remove(path.c_str());
}
