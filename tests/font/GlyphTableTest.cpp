#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <tuple>

#include "font/PixelPerfectGLFont.h"
#include "resources/File.h"
#include "tests/font/GlfFile.h"

namespace
{

// Reads and measures fonts without uploading them.
class GlyphTableTest : public ::testing::Test
{
protected:
    void Read(const GlfFile& glf)
    {
        CFile file;
        ASSERT_TRUE(file.Open(glf.Write(::testing::TempDir() + "table.glf")));
        std::vector<std::uint8_t> atlas;
        font.Read(file, atlas);
        font.MeasureGlyphs();
    }

    // Each text with its width and height, in pixels.
    void ExpectSizes(std::initializer_list<std::tuple<const char*, int, int>> texts) const
    {
        for (const auto& [text, width, height] : texts)
            EXPECT_EQ(std::make_pair(font.GetStringWidth(text), font.GetStringHeight(text)),
                      std::make_pair(width, height)) << text;
    }

    PixelPerfectGLFont font;
};

} // namespace

// Characters outside the table's range measure nothing; bytes from 128 up
// are negative codes. The texture name and table pointer fields are unused.
TEST_F(GlyphTableTest, WidthIsTheSumOfTheGlyphsAndHeightTheTallest)
{
    GlfFile glf;
    glf.textureName = 77;
    glf.tablePointer = -1;
    Read(glf);
    ExpectSizes({{"AB", 24, 8}, {"BAB", 32, 8}, {"", 0, 0}, {"@A C", 16, 8}, {"\xC1", 0, 0}, {"C \x80", 0, 0}});
    glf.startChar = -128;
    glf.endChar = -127;
    Read(glf);
    ExpectSizes({{"\x80\x81", 24, 8}, {"AB", 0, 0}});
}

// Sizes beyond the 32-bit range saturate, sums too, and a size that is not
// a number measures 0. Heights compare unsigned: a negative one is the tallest.
TEST_F(GlyphTableTest, PixelSizesAreTheTextureRectanglesTruncatedTowardZeroAndSaturated)
{
    GlfFile glf;
    glf.endChar = 'F';
    glf.records = {{0.25f, 0.25f, 0.5f, 0.75f}, {0, 0, 15.999f / 64, 0.9999f}, {0, 0.75f, 0.125f, 0.5f},
                   {0, 0, 1e10f, 1e10f},        {1e10f, 1e10f, 0, 0},          {0, 0, NAN, NAN}};
    Read(glf);
    ExpectSizes({{"A", 16, 8}, {"B", 15, 15}, {"AC", 24, -4}, {"DD", INT_MAX, INT_MAX}, {"EE", INT_MIN, INT_MIN},
                 {"F", 0, 0}});
}

TEST_F(GlyphTableTest, MalformedFilesThrowInvalidFileAndLeaveTheFontEmpty)
{
    const struct
    {
        const char*                   what;
        std::function<void(GlfFile&)> spoil;
    } cases[] = {
        {"one texel short", [](GlfFile& glf) { glf.atlasBytes -= 1; }},
        {"endChar below startChar", [](GlfFile& glf) { glf.startChar = 'B'; glf.endChar = 'A'; }},
        {"every code", [](GlfFile& glf) { glf.startChar = INT_MIN; glf.endChar = INT_MAX; }},
        {"atlas of 2^62 texels", [](GlfFile& glf) { glf.texWidth = glf.texHeight = INT_MAX; }},
        {"no atlas", [](GlfFile& glf) { glf.texHeight = 0; glf.atlasBytes = 0; }},
        {"negative atlas", [](GlfFile& glf) { glf.texWidth = -64; glf.texHeight = -16; }},
        {"a record short", [](GlfFile& glf) { glf.records.pop_back(); glf.atlasBytes = 0; }},
        {"header only", [](GlfFile& glf) { glf.records.clear(); glf.atlasBytes = 0; }},
    };
    for (const auto& bad : cases)
    {
        SCOPED_TRACE(bad.what);
        Read(GlfFile());
        ASSERT_EQ(font.GetStringWidth("A"), 16);
        GlfFile glf;
        bad.spoil(glf);
        EXPECT_THROW(Read(glf), GLFontError::InvalidFile);
        EXPECT_EQ(font.GetStringWidth("AB"), 0);
    }
}
