#include <gtest/gtest.h>

#include <GL/gl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/Log.h"
#include "font/Font.h"
#include "support/GLContext.h"
#include "tests/font/GlfFile.h"

namespace
{

// Runs in a directory of its own, where CFont finds "Assets/font.glf".
class FontTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTestContext());
        char previous[PATH_MAX];
        ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
        m_previousDir = previous;
        const std::string dir = ::testing::TempDir() + "fontrun";
        mkdir(dir.c_str(), 0755);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        mkdir("Assets", 0755);
        std::remove(CFont::FileName);
    }

    void TearDown() override { ASSERT_EQ(chdir(m_previousDir.c_str()), 0); }

    static GLint MatrixDepth()
    {
        GLint depth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        return depth;
    }

    std::string m_previousDir;              // restored after the test
};

struct Vertex
{
    float x, y, s, t;
    bool operator==(const Vertex& other) const
    {
        return x == other.x && y == other.y && s == other.s && t == other.t;
    }
    bool operator<(const Vertex& other) const
    {
        return std::tie(x, y, s, t) < std::tie(other.x, other.y, other.s, other.t);
    }
};

std::ostream& operator<<(std::ostream& out, const Vertex& vertex)
{
    return out << "(" << vertex.x << ", " << vertex.y << " | " << vertex.s << ", " << vertex.t << ")";
}

// The vertices OpenGL receives while drawing, in window pixels, through
// feedback mode over a projection of one unit to one pixel.
template <typename Draw>
std::vector<Vertex> Feedback(Draw draw)
{
    glViewport(0, 0, 64, 64);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 64, 0, 64, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    std::vector<GLfloat> buffer(4096);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);

    // Each polygon: its token, its vertex count, then x y z, RGBA, s t r q per vertex.
    std::vector<Vertex> vertices;
    for (GLint at = 0; at < used;)
    {
        EXPECT_EQ(buffer[at], GL_POLYGON_TOKEN);
        const int count = static_cast<int>(buffer[at + 1]);
        at += 2;
        for (int i = 0; i < count; ++i, at += 11)
            vertices.push_back({buffer[at], buffer[at + 1], buffer[at + 7], buffer[at + 8]});
    }
    return vertices;
}

} // namespace

TEST_F(FontTest, EachGlyphIsAQuadOfItsPixelSizeAndThePenMovesByItsWidth)
{
    TwoLetterFont().Write(CFont::FileName);
    CFont font;
    font.Init();
    const std::vector<Vertex> drawn = Feedback([&font] { font.DrawText(10, 20, "AB?"); });
    // Quads may come back split into triangles: the corners are what counts.
    std::vector<Vertex> corners;
    for (const Vertex& vertex : drawn)
        if (std::find(corners.begin(), corners.end(), vertex) == corners.end())
            corners.push_back(vertex);
    std::sort(corners.begin(), corners.end());
    EXPECT_EQ(corners, (std::vector<Vertex>{{10, 20, 0, 0.5f},
                                            {10, 28, 0, 0},
                                            {26, 20, 0.25f, 0.5f},
                                            {26, 20, 0.25f, 0.75f},
                                            {26, 24, 0.25f, 0.5f},
                                            {26, 28, 0.25f, 0},
                                            {34, 20, 0.375f, 0.75f},
                                            {34, 24, 0.375f, 0.5f}}));
    EXPECT_EQ(MatrixDepth(), 1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(FontTest, AtlasIsUploadedAsLuminanceAlphaIntoTheCallersTexture)
{
    TwoLetterFont().Write(CFont::FileName);
    PixelPerfectGLFont font;
    GLuint name = 0;
    glGenTextures(1, &name);
    font.Create(CFont::FileName, name);
    glBindTexture(GL_TEXTURE_2D, 0);
    font.Begin();

    GLint bound = 0, width = 0, red = -1, luminance = 0, alpha = 0, filter = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_RED_SIZE, &red);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_LUMINANCE_SIZE, &luminance);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &alpha);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
    EXPECT_EQ(static_cast<GLuint>(bound), name);
    EXPECT_EQ(width, 64);
    EXPECT_EQ(red, 0);
    EXPECT_GT(luminance, 0);
    EXPECT_GT(alpha, 0);
    EXPECT_EQ(filter, GL_NEAREST);
}

TEST_F(FontTest, EmptyTextIsAsTallAsOneAndHasNoWidth)
{
    GlfFile glf;
    glf.startChar = '0';
    glf.endChar = 'B';
    glf.records.assign(19, {0, 0, 0.125f, 0.25f});
    glf.records[1] = {0, 0, 0.25f, 0.75f};
    glf.Write(CFont::FileName);
    CFont font;
    font.Init();
    EXPECT_EQ(font.TextHeight(""), 12);
    EXPECT_EQ(font.TextHeight("1"), 12);
    EXPECT_EQ(font.TextHeight("0"), 4);
    EXPECT_EQ(font.TextWidth(""), 0);
}

TEST_F(FontTest, DrawingAFontThatNeverLoadedThrowsAndKeepsTheMatrixStack)
{
    PixelPerfectGLFont never;
    EXPECT_THROW(never.DrawString("A", 0, 0, 0), GLFontError::InvalidFont);
    EXPECT_THROW(never.Begin(), GLFontError::InvalidFont);

    CFont font;
    const GLint depth = MatrixDepth();
    EXPECT_THROW(font.DrawText(0, 0, "A"), GLFontError::InvalidFont);
    EXPECT_EQ(MatrixDepth(), depth);
    EXPECT_EQ(font.TextWidth("A"), 0);
}

TEST_F(FontTest, MissingFontFileThrowsInvalidFileAfterTheReaderLogsIt)
{
    const std::string logPath = ::testing::TempDir() + "font_engine.html";
    g_engineLog.Open(logPath.c_str());
    CFont font;
    EXPECT_THROW(font.Init(), GLFontError::InvalidFile);
    g_engineLog.Open("/dev/null");
    std::ifstream in(logPath);
    std::stringstream log;
    log << in.rdbuf();
    EXPECT_NE(log.str().find("File Assets/font.glf doesn't exist."), std::string::npos);
    EXPECT_THROW(font.DrawText(0, 0, "A"), GLFontError::InvalidFont);
}

TEST_F(FontTest, FailedReloadLeavesTheFontEmpty)
{
    TwoLetterFont().Write(CFont::FileName);
    PixelPerfectGLFont font;
    font.Create(CFont::FileName, 1);
    ASSERT_EQ(font.GetStringWidth("A"), 16);

    GlfFile truncated = TwoLetterFont();
    truncated.atlasBytes = 10;
    truncated.Write(CFont::FileName);
    EXPECT_THROW(font.Create(CFont::FileName, 1), GLFontError::InvalidFile);
    EXPECT_EQ(font.GetStringWidth("A"), 0);
    EXPECT_THROW(font.Begin(), GLFontError::InvalidFont);
}
