#include <gtest/gtest.h>

#include <GL/gl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>

#include "engine/Log.h"
#include "font/Font.h"
#include "support/GLContext.h"
#include "tests/font/GlfFile.h"

namespace
{

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

// Where the glyphs land is checked on screen, pixel by pixel, by the end-to-end tests.
TEST_F(FontTest, EmptyTextIsAsTallAsOneAndDrawingLeavesNoMatrixTexturingOrBlending)
{
    GlfFile glf;
    glf.startChar = '0';
    glf.records.assign(19, {0, 0, 0.125f, 0.25f});
    glf.records[1] = {0, 0, 0.25f, 0.75f};
    glf.Write(CFont::FileName);
    CFont font;
    font.Init();
    EXPECT_EQ(font.TextHeight(""), 12);
    EXPECT_EQ(font.TextHeight("1"), 12);
    EXPECT_EQ(font.TextHeight("0"), 4);
    EXPECT_EQ(font.TextWidth(""), 0);
    font.DrawText(10, 20, "AB?");
    EXPECT_EQ(StackDepth(), 1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

// The file reader logs the missing file before the font throws.
TEST_F(FontTest, FontThatDidNotLoadThrowsInvalidFontAndKeepsTheMatrixStack)
{
    const std::string logPath = ::testing::TempDir() + "font_engine.html";
    g_engineLog.Open(logPath.c_str());
    CFont missing;
    EXPECT_THROW(missing.Init(), GLFontError::InvalidFile);
    g_engineLog.Open("/dev/null");
    EXPECT_NE(ReadFile(logPath).find("File Assets/font.glf doesn't exist."), std::string::npos);
    const GLint depth = StackDepth();
    EXPECT_THROW(missing.DrawText(0, 0, "A"), GLFontError::InvalidFont);
    EXPECT_EQ(StackDepth(), depth);
    EXPECT_EQ(missing.TextWidth("A"), 0);
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
