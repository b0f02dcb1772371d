#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

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
        const std::string path = ::testing::TempDir() + "table.glf";
        glf.Write(path);
        CFile file;
        ASSERT_TRUE(file.Open(path));
        std::vector<std::uint8_t> atlas;
        font.Read(file, atlas);
        font.MeasureGlyphs();
    }

    PixelPerfectGLFont font;
};

} // namespace

TEST_F(GlyphTableTest, PixelSizesAreTheTextureRectanglesTruncatedTowardZero)
{
    GlfFile glf;
    glf.texWidth = 256;
    glf.atlasBytes = 2 * 256 * 16;
    glf.records = {{0.25f, 0.0f, 0.3125f, 0.5f}, {0.0f, 0.0f, 15.999f / 256, 0.9999f}};
    Read(glf);
    EXPECT_EQ(font.GetStringWidth("A"), 16);
    EXPECT_EQ(font.GetStringHeight("A"), 8);
    EXPECT_EQ(font.GetStringWidth("B"), 15);
    EXPECT_EQ(font.GetStringHeight("B"), 15);
}

TEST_F(GlyphTableTest, WidthIsTheSumOfTheGlyphsAndHeightTheTallest)
{
    Read(TwoLetterFont());
    EXPECT_EQ(font.GetStringWidth("AB"), 24);
    EXPECT_EQ(font.GetStringWidth("BAB"), 32);
    EXPECT_EQ(font.GetStringHeight("BA"), 8);
    EXPECT_EQ(font.GetStringWidth(""), 0);
    EXPECT_EQ(font.GetStringHeight(""), 0);
}

TEST_F(GlyphTableTest, CharactersOutsideTheRangeMeasureNothing)
{
    Read(TwoLetterFont());
    EXPECT_EQ(font.GetStringWidth("@A C"), 16);
    EXPECT_EQ(font.GetStringWidth("\xC1"), 0);
    EXPECT_EQ(font.GetStringHeight("C \x80"), 0);
}

TEST_F(GlyphTableTest, BytesFrom128UpAreNegativeCodes)
{
    GlfFile glf = TwoLetterFont();
    glf.startChar = -128;
    glf.endChar = -127;
    Read(glf);
    EXPECT_EQ(font.GetStringWidth("\x80\x81"), 24);
    EXPECT_EQ(font.GetStringWidth("AB"), 0);
}

TEST_F(GlyphTableTest, NegativeHeightCountsAsTallerThanAnyOther)
{
    GlfFile glf = TwoLetterFont();
    glf.records[1] = {0.25f, 0.75f, 0.375f, 0.5f};
    Read(glf);
    EXPECT_EQ(font.GetStringHeight("AB"), -4);
}

TEST_F(GlyphTableTest, TextureNameAndTablePointerFieldsHaveNoEffect)
{
    GlfFile glf = TwoLetterFont();
    glf.textureName = 77;
    glf.tablePointer = -1;
    Read(glf);
    EXPECT_EQ(font.GetStringWidth("AB"), 24);
    EXPECT_EQ(font.GetStringHeight("AB"), 8);
}

TEST_F(GlyphTableTest, MalformedFilesAreRejectedAndLeaveTheFontEmpty)
{
    GlfFile shortOfOneTexel = TwoLetterFont();
    shortOfOneTexel.atlasBytes -= 1;
    GlfFile reversedRange = TwoLetterFont();
    reversedRange.startChar = 'B';
    reversedRange.endChar = 'A';
    GlfFile everyCode = TwoLetterFont();
    everyCode.startChar = INT_MIN;
    everyCode.endChar = INT_MAX;
    GlfFile hugeAtlas = TwoLetterFont();
    hugeAtlas.texWidth = INT_MAX;
    hugeAtlas.texHeight = INT_MAX;
    GlfFile noAtlas = TwoLetterFont();
    noAtlas.texHeight = 0;
    noAtlas.atlasBytes = 0;
    GlfFile negativeAtlas = TwoLetterFont();
    negativeAtlas.texWidth = -64;
    negativeAtlas.texHeight = -16;
    GlfFile missingRecord = TwoLetterFont();
    missingRecord.records.pop_back();
    missingRecord.atlasBytes = 0;
    GlfFile headerOnly;
    headerOnly.atlasBytes = 0;

    const struct
    {
        const char* what;
        const GlfFile& glf;
    } cases[] = {
        {"one texel short", shortOfOneTexel}, {"endChar below startChar", reversedRange},
        {"every code", everyCode},           {"atlas of 2^62 texels", hugeAtlas},
        {"no atlas", noAtlas},               {"negative atlas", negativeAtlas},
        {"a record short", missingRecord},   {"header only", headerOnly},
    };
    for (const auto& bad : cases)
    {
        Read(TwoLetterFont());
        ASSERT_EQ(font.GetStringWidth("A"), 16);
        EXPECT_THROW(Read(bad.glf), GLFontError::InvalidFile) << bad.what;
        EXPECT_EQ(font.GetStringWidth("AB"), 0) << bad.what;
    }
}
