#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/tools/GeneratedFiles.h"

namespace
{

namespace fs = std::filesystem;

// Runs the generator with the fonts of fontFolder into a fresh folder under
// the test's temporary one; the folder and the generator's exit status.
std::pair<fs::path, int> Generate(const std::string& name, const std::string& fontFolder)
{
    const fs::path folder = fs::path(::testing::TempDir()) / ("assetgen-" + std::to_string(getpid()) + "-" + name);
    fs::remove_all(folder);
    const std::string command = std::string("'") + VALDMOOR_ASSETGEN + "' '" + fontFolder + "' '" +
                                (folder / "Assets").string() + "' '" + (folder / "icons").string() + "'";
    return {folder, std::system(command.c_str())};
}

} // namespace

// The build's copy came from an earlier run, so this run must match it byte for byte.
TEST(Generation, ARunWritesTheSameBytesAsTheBuildsRun)
{
    const auto [folder, status] = Generate("again", VALDMOOR_DEJAVU_DIR);
    ASSERT_EQ(status, 0);
    std::size_t files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
    {
        if (!entry.is_regular_file())
            continue;
        const std::string relative = fs::relative(entry.path(), folder).string();
        EXPECT_TRUE(FileBytes(entry.path().string()) == FileBytes(std::string(VALDMOOR_BUILD_DIR) + "/" + relative))
            << relative;
        ++files;
    }
    EXPECT_EQ(files, 46u);                  // 40 pictures, 3 window icons, the font and two desktop icons
    fs::remove_all(folder);
}

TEST(Generation, MissingFontsFailTheRun)
{
    const auto [folder, status] = Generate("nofonts", "/nonexistent-fonts");
    EXPECT_NE(status, 0);
    EXPECT_FALSE(fs::exists(folder / "Assets" / "font.glf"));
    fs::remove_all(folder);
}
