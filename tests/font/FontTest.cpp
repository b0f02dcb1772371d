#include <gtest/gtest.h>

#include <GL/gl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "engine/Log.h"
#include "font/Font.h"
#include "resources/File.h"
#include "support/GLContext.h"
#include "tests/resources/TestFiles.h"

// The glyph table, read and measured without OpenGL, then the game's font
// as it loads and draws in a hidden window.
namespace
{

// A ".glf" file: a header, one record per code and an atlas of two-byte
// texels. As it stands, 'A' is 16 x 8 pixels and 'B' 8 x 4 in a 64 x 16 atlas.
struct GlfFile
{
    struct Rectangle { float tx1, ty1, tx2, ty2; };  // texture coordinates

    std::int32_t textureName = 0, texWidth = 64, texHeight = 16, startChar = 'A', endChar = 'B', tablePointer = 0;
    std::vector<Rectangle> records = {{0, 0, 0.25f, 0.5f}, {0.25f, 0.5f, 0.375f, 0.75f}};
    std::size_t atlasBytes = 2 * 64 * 16;

    std::string Write(const std::string& path) const
    {
        std::string bytes;
        auto word = [&bytes](const void* value) { bytes.append(static_cast<const char*>(value), 4); };
        for (const std::int32_t* field : {&textureName, &texWidth, &texHeight, &startChar, &endChar, &tablePointer})
            word(field);
        const float size = 99;              // the file's own glyph size, which nothing uses
        for (const Rectangle& record : records)
            for (const float* value : {&size, &size, &record.tx1, &record.ty1, &record.tx2, &record.ty2})
                word(value);
        for (std::size_t i = 0; i < atlasBytes; ++i)
            bytes += static_cast<char>(i % 2 ? 255 : i);
        return WriteFile(path, bytes);
    }
};

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

GLint StackDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

// Runs in a folder of its own, where CFont finds "Assets/font.glf".
class FontTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTestContext());
        ASSERT_NE(getcwd(m_previousDir, sizeof m_previousDir), nullptr);
        ASSERT_EQ(chdir(::testing::TempDir().c_str()), 0);
        mkdir("Assets", 0755);
        std::remove(CFont::FileName);
    }

    void TearDown() override { ASSERT_EQ(chdir(m_previousDir), 0); }

    char m_previousDir[PATH_MAX];           // the working folder, restored after the test
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
    const struct { const char* what; void (*spoil)(GlfFile& glf); } cases[] = {
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

// Where the glyphs land is checked on screen, pixel by pixel, by the end-to-end tests.
TEST_F(FontTest, EmptyTextIsAsTallAsOneAndDrawingLeavesNoMatrixTexturingOrBlending)
{
    GlfFile glf;
    glf.startChar = '0';
    glf.records.assign(19, {0, 0, 0.125f, 0.25f});
    glf.records[1] = {0, 0, 0.25f, 0.75f};  // '1', the one glyph 12 pixels tall
    glf.Write(CFont::FileName);
    CFont font;
    font.Init();
    EXPECT_EQ(font.TextHeight(""), 12);
    EXPECT_EQ(font.TextHeight("0"), 4);
    EXPECT_EQ(font.TextWidth(""), 0);
    font.DrawText(10, 20, "AB?");
    EXPECT_EQ(StackDepth(), 1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(FontTest, FontThatDidNotLoadThrowsInvalidFontAndKeepsTheMatrixStack)
{
    CFont missing;
    EXPECT_THROW(missing.Init(), GLFontError::InvalidFile);
    const GLint depth = StackDepth();
    EXPECT_THROW(missing.DrawText(0, 0, "A"), GLFontError::InvalidFont);
    EXPECT_EQ(StackDepth(), depth);
    EXPECT_THROW(PixelPerfectGLFont().DrawString("A", 0, 0, 0), GLFontError::InvalidFont);

    // A failed reload leaves nothing of the font that was there.
    PixelPerfectGLFont reloaded;
    reloaded.Create(GlfFile().Write(CFont::FileName), 1);
    ASSERT_EQ(reloaded.GetStringWidth("A"), 16);
    GlfFile truncated;
    truncated.atlasBytes = 10;
    EXPECT_THROW(reloaded.Create(truncated.Write(CFont::FileName), 1), GLFontError::InvalidFile);
    EXPECT_EQ(reloaded.GetStringWidth("A"), 0);
    EXPECT_THROW(reloaded.Begin(), GLFontError::InvalidFont);
}

// Every label and text box holds a font: read once and shared, it costs one
// read and one texture however many there are, and the texture goes with
// the last of them.
TEST_F(FontTest, FontsShareOneReadAndOneTextureThatGoesWithTheLastOfThem)
{
    GlfFile().Write(CFont::FileName);
    GLint texture = 0;
    {
        CFont first;
        first.Init();
        std::remove(CFont::FileName);
        {
            CFont second;
            second.Init();
            EXPECT_EQ(second.TextWidth("AB"), 24);
            second.DrawText(0, 0, "A");
            glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        }
        first.DrawText(0, 0, "B");
        GLint firstTexture = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &firstTexture);
        EXPECT_EQ(firstTexture, texture);
        EXPECT_TRUE(glIsTexture(static_cast<GLuint>(texture)));
    }
    EXPECT_FALSE(glIsTexture(static_cast<GLuint>(texture)));
    CFont afterwards;
    EXPECT_THROW(afterwards.Init(), GLFontError::InvalidFile);
}

// Refused before anything is allocated, as a picture beyond the ceiling is,
// with a line saying why; then the failure the font always had.
TEST_F(FontTest, AtlasLargerThanThePicturesCeilingIsRefusedWithItsReason)
{
    g_engineLog.Open("engine.html");
    GlfFile glf;
    glf.texWidth = 16400;
    glf.texHeight = 128;
    glf.atlasBytes = 2 * 16400 * 128;
    glf.Write(CFont::FileName);
    CFont font;
    EXPECT_THROW(font.Init(), GLFontError::InvalidFile);
    glf.texWidth = 4096;
    glf.texHeight = 8193;
    glf.atlasBytes = 0;
    glf.Write(CFont::FileName);
    EXPECT_THROW(font.Init(), GLFontError::InvalidFile);
    g_engineLog.Open("/dev/null");
    const std::string error = "<div style='color: red; background-color: #EAAD98'>Assets/font.glf: an atlas of ";
    EXPECT_EQ(ReadFile("engine.html"),
              "<html><body style=\"font: 12px Verdana, sans-serif;\">\n" + error +
                  "16400 by 128 texels is larger than the 16384 a side and 33554432 in all that are allowed</div><br>\n" +
                  error +
                  "4096 by 8193 texels is larger than the 16384 a side and 33554432 in all that are allowed</div><br>\n");
}
