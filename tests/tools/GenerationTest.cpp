#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "tests/tools/GeneratedFiles.h"

namespace
{

namespace fs = std::filesystem;

// Runs the generator into a fresh folder under the test's temporary one.
fs::path Generate(const std::string& name)
{
    const fs::path folder = fs::path(::testing::TempDir()) / ("assetgen-" + std::to_string(getpid()) + "-" + name);
    fs::remove_all(folder);
    const std::string command = std::string("'") + VALDMOOR_ASSETGEN + "' '" + VALDMOOR_DEJAVU_DIR + "' '" +
                                (folder / "Assets").string() + "' '" + (folder / "icons").string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return folder;
}

} // namespace

TEST(Generation, TwoRunsWriteTheSameBytes)
{
    const fs::path first = Generate("first");
    const fs::path second = Generate("second");
    std::size_t files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(first))
    {
        if (!entry.is_regular_file())
            continue;
        const fs::path relative = fs::relative(entry.path(), first);
        SCOPED_TRACE(relative.string());
        ASSERT_TRUE(fs::exists(second / relative));
        EXPECT_TRUE(FileBytes(entry.path().string()) == FileBytes((second / relative).string()));
        EXPECT_TRUE(FileBytes(entry.path().string()) ==
                    FileBytes(std::string(VALDMOOR_BUILD_DIR) + "/" + relative.string()))
            << "the build's own copy differs";
        ++files;
    }
    EXPECT_EQ(files, 43u);                  // 40 pictures, the font and two icons
    fs::remove_all(first);
    fs::remove_all(second);
}

TEST(Generation, MissingFontsFailTheRun)
{
    const fs::path folder = fs::path(::testing::TempDir()) / ("assetgen-" + std::to_string(getpid()) + "-nofonts");
    const std::string command = std::string("'") + VALDMOOR_ASSETGEN + "' '" + folder.string() + "/none' '" +
                                (folder / "Assets").string() + "' '" + (folder / "icons").string() + "' 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_FALSE(fs::exists(folder / "Assets" / "font.glf"));
    fs::remove_all(folder);
}
