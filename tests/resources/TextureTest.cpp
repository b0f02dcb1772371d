#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glx.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Log.h"
#include "resources/File.h"
#include "resources/Texture.h"
#include "support/GLContext.h"
#include "tests/resources/TestFiles.h"

// TGA files decoded without OpenGL, then pictures uploaded and bound in a
// hidden window.
namespace
{

using Bytes = std::vector<std::uint8_t>;

const std::uint8_t kPlain = 2;
const std::uint8_t kRunLength = 10;
const std::uint8_t kTopFirst = 0x20;

std::string PictureName()
{
    return ::testing::TempDir() + "picture.tga";
}

Bytes Header(std::uint8_t type, std::uint16_t width, std::uint16_t height, std::uint8_t depth,
             std::uint8_t descriptor = 0, std::uint8_t idLength = 0, std::uint16_t mapLength = 0,
             std::uint8_t mapBits = 0)
{
    const auto byte = [](int value) { return static_cast<std::uint8_t>(value & 0xFF); };
    return {idLength, mapLength > 0, type, 0, 0, byte(mapLength), byte(mapLength >> 8), mapBits, 0, 0, 0, 0,
            byte(width), byte(width >> 8), byte(height), byte(height >> 8), depth, descriptor};
}

Bytes operator+(Bytes head, const Bytes& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// While it lives no OpenGL context is current, as in a process that has
// opened no window; the one current before is made current again after.
class CNoCurrentContext
{
public:
    CNoCurrentContext()
        : m_display(glXGetCurrentDisplay()), m_drawable(glXGetCurrentDrawable()), m_context(glXGetCurrentContext())
    {
        if (m_context)
            glXMakeCurrent(m_display, None, nullptr);
    }
    ~CNoCurrentContext()
    {
        if (m_context)
            glXMakeCurrent(m_display, m_drawable, m_context);
    }

private:
    Display*    m_display;
    GLXDrawable m_drawable;
    GLXContext  m_context;
};

// The decoded data and the lines that the reader wrote to the general log.
std::string Decode(const Bytes& bytes, CTextureData& data)
{
    const std::string log = ::testing::TempDir() + "general.log";
    g_generalLog.Open(log.c_str());
    CFile file;
    EXPECT_TRUE(file.Open(WriteFile(PictureName(), std::string(bytes.begin(), bytes.end()))));
    const bool decoded = ReadTGA(file, data);
    EXPECT_EQ(decoded, data.pixels != nullptr);
    g_generalLog.Open("/dev/null");
    return ReadFile(log);
}

// Pixels whose bytes count up by sevens, uploaded; the texture stays bound.
bool Create(CTextureObject& texture, std::uint16_t side, std::uint16_t bytesPerPixel, bool mipmapped)
{
    texture.width = texture.height = side;
    texture.bytesPerPixel = bytesPerPixel;
    texture.pixels = new std::uint8_t[side * side * bytesPerPixel];
    for (int i = 0; i < side * side * bytesPerPixel; ++i)
        texture.pixels[i] = static_cast<std::uint8_t>(i * 7);
    return texture.Create(TextureOptions{mipmapped}, "filled.tga");
}

GLint LevelWidth(GLint level)
{
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
}

GLint Integer(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

} // namespace

// Pictures decode to unpadded RGB or RGBA rows, bottom row first; a file that
// cannot be decoded whole leaves the data empty and says why in one line.
// With a context current the card's own limit is checked first, and another
// test in the process may have left one: the limits here are the file's.
TEST(TgaReaderTest, EachFileDecodesToItsPixelsOrIsRefusedWithItsCause)
{
    const CNoCurrentContext noContext;
    Bytes raw, rawDecoded, runDecoded;      // one raw packet of 128 pixels, one run of 128
    for (int i = 0; i < 128; ++i)
    {
        raw = raw + Bytes{0, 0, static_cast<std::uint8_t>(i)};
        rawDecoded = rawDecoded + Bytes{static_cast<std::uint8_t>(i), 0, 0};
        runDecoded = runDecoded + Bytes{7, 8, 9};
    }
    Bytes headerShortOfOneByte = Header(kPlain, 1, 1, 24);
    headerShortOfOneByte.pop_back();
    const Bytes twoMapEntries = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    const auto tooLarge = [](const std::string& size) {
        return "a run-length picture of " + size +
               " pixels is larger than the 16384 a side and 33554432 in all that are allowed";
    };
    // Why is the reader's line for a refused file, empty for a decoded one;
    // the form is the width, height and bytes per pixel, all 0 for a refused file.
    struct Case { const char* what; Bytes file; std::string why; std::array<int, 3> form{}; Bytes pixels{}; };
    const Case cases[] = {
        {"rows of nine bytes",
         Header(kPlain, 3, 2, 24) + Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 30, 20, 10, 60, 50, 40, 90, 80, 70}, "",
         {3, 2, 3}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
        {"top row first", Header(kPlain, 1, 3, 24, kTopFirst) + Bytes{3, 3, 3, 2, 2, 2, 1, 1, 1}, "", {1, 3, 3},
         {1, 1, 1, 2, 2, 2, 3, 3, 3}},
        {"one row, top first", Header(kPlain, 2, 1, 24, kTopFirst) + Bytes{3, 2, 1, 6, 5, 4}, "", {2, 1, 3},
         {1, 2, 3, 4, 5, 6}},
        {"32 bits keep their alpha", Header(kPlain, 1, 1, 32) + Bytes{3, 2, 1, 128}, "", {1, 1, 4}, {1, 2, 3, 128}},
        {"16 bits: five bits a channel, top bit dropped",
         Header(kPlain, 4, 1, 16) + Bytes{0xFF, 0x7F, 0x00, 0x80, 0x00, 0x7C, 0x1F, 0x00}, "", {4, 1, 3},
         {248, 248, 248, 0, 0, 0, 248, 0, 0, 0, 0, 248}},
        {"unassigned type read as uncompressed", Header(4, 1, 1, 24) + Bytes{3, 2, 1}, "", {1, 1, 3}, {1, 2, 3}},
        {"image ID skipped", Header(kPlain, 1, 1, 24, 0, 2) + Bytes{0xEE, 0xEE, 3, 2, 1}, "", {1, 1, 3}, {1, 2, 3}},
        {"colour map of a true-colour file skipped after the image ID",
         Header(kPlain, 2, 1, 24, 0, 1, 2, 24) + Bytes{0x11} + twoMapEntries + Bytes{3, 2, 1, 6, 5, 4}, "",
         {2, 1, 3}, {1, 2, 3, 4, 5, 6}},
        {"colour map of 15-bit entries takes two bytes an entry",
         Header(kRunLength, 2, 1, 32, 0, 0, 3, 15) + twoMapEntries + Bytes{0x81, 3, 2, 1, 9}, "", {2, 1, 4},
         {1, 2, 3, 9, 1, 2, 3, 9}},
        {"run of 1, raw packet of 128, run of 128",
         Header(kRunLength, 257, 1, 24) + Bytes{0x80, 3, 2, 1, 0x7F} + raw + Bytes{0xFF, 9, 8, 7}, "", {257, 1, 3},
         Bytes{1, 2, 3} + rawDecoded + runDecoded},
        {"run length, 32 bits, top first",
         Header(kRunLength, 1, 2, 32, kTopFirst) + Bytes{0x00, 3, 2, 1, 200, 0x80, 6, 5, 4, 100}, "", {1, 2, 4},
         {4, 5, 6, 100, 1, 2, 3, 200}},
        {"colour-mapped", Header(1, 1, 1, 8, 0, 0, 2, 24) + twoMapEntries + Bytes{1},
         "colour-mapped pictures are not supported"},
        {"colour-mapped, run length", Header(9, 1, 1, 8, 0, 0, 2, 24) + twoMapEntries + Bytes{0x80, 1},
         "colour-mapped pictures are not supported"},
        {"eight-bit grey", Header(3, 1, 1, 8) + Bytes{1}, "greyscale pictures are not supported"},
        {"sixteen-bit grey", Header(3, 1, 1, 16) + Bytes{1, 255}, "greyscale pictures are not supported"},
        {"grey, run length", Header(11, 1, 1, 8) + Bytes{0x80, 1}, "greyscale pictures are not supported"},
        {"eight-bit true colour", Header(kPlain, 1, 1, 8) + Bytes{1}, "8-bit pixels are not supported"},
        {"sixteen-bit run length", Header(kRunLength, 1, 1, 16) + Bytes{0x80, 1, 2},
         "run-length pictures of 16-bit pixels are not supported"},
        {"run past the picture", Header(kRunLength, 2, 1, 24) + Bytes{0x82, 1, 2, 3},
         "a run-length packet runs past the end of the picture"},
        {"raw packet past the picture", Header(kRunLength, 1, 1, 24) + Bytes{0x01, 1, 2, 3, 4, 5, 6},
         "a run-length packet runs past the end of the picture"},
        {"file ends inside the header", headerShortOfOneByte, "the file ends inside its header"},
        {"ends in the image ID", Header(kPlain, 1, 1, 24, 0, 5) + Bytes{1, 2}, "the file ends inside its image ID"},
        {"file ends inside the colour map", Header(kPlain, 1, 1, 24, 0, 0, 3, 24) + twoMapEntries,
         "the file ends inside its colour map"},
        {"file ends right after the image ID", Header(kPlain, 1, 1, 24, 0, 2) + Bytes{1, 2},
         "the file holds 0 bytes where 1 by 1 pixels need at least 3"},
        {"file ends inside the pixels", Header(kPlain, 2, 2, 24) + Bytes(11, 0),
         "the file holds 11 bytes where 2 by 2 pixels need at least 12"},
        {"file ends inside a raw packet", Header(kRunLength, 2, 1, 24) + Bytes{0x01, 1, 2, 3, 4},
         "the file ends inside its pixels"},
        {"file ends before the last packet", Header(kRunLength, 2, 1, 24) + Bytes{0x80, 1, 2, 3},
         "the file ends inside its pixels"},
        {"picture without pixels", Header(kPlain, 0, 4, 24), "the picture has no pixels (0 by 4 pixels)"},
        {"largest run-length picture in a tiny file", Header(kRunLength, 65535, 65535, 32) + Bytes{0xFF, 1, 2, 3, 4},
         tooLarge("65535 by 65535")},
        {"too wide", Header(kRunLength, 16385, 1, 24) + Bytes{0xFF, 1, 2, 3}, tooLarge("16385 by 1")},
        {"more pixels than allowed", Header(kRunLength, 16384, 2049, 24), tooLarge("16384 by 2049")},
        {"run-length picture at the ceiling in a tiny file", Header(kRunLength, 16384, 2048, 24) + Bytes{0xFF, 1, 2, 3},
         "the file holds 4 bytes where 16384 by 2048 pixels need at least 1048576"},
    };
    for (const auto& picture : cases)
    {
        SCOPED_TRACE(picture.what);
        CTextureData data;
        EXPECT_EQ(Decode(picture.file, data), picture.why.empty() ? "" : "Error: " + PictureName() + ": " + picture.why + "\n");
        EXPECT_EQ((std::array<int, 3>{data.width, data.height, data.bytesPerPixel}), picture.form);
        ASSERT_EQ(data.pixels == nullptr, picture.pixels.empty());
        EXPECT_EQ(Bytes(data.pixels, data.pixels + data.width * data.height * data.bytesPerPixel), picture.pixels);
    }
}

// Three-byte rows of an odd width would be padded to four bytes by default.
TEST(TextureTest, UploadKeepsRowsUnpaddedBuildsMipmapsOnlyWhenAskedAndBindingBlendsAlphaTexturesOnly)
{
    ASSERT_TRUE(OpenTestContext());
    CTextureObject texture, alpha;
    ASSERT_TRUE(Create(alpha, 4, 4, true));
    EXPECT_EQ(std::make_pair(LevelWidth(0), LevelWidth(2)), std::make_pair(4, 1));
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);
    ASSERT_TRUE(Create(texture, 3, 3, false));
    std::vector<std::uint8_t> uploaded(27);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_EQ(uploaded, std::vector<std::uint8_t>(texture.pixels, texture.pixels + 27));
    EXPECT_EQ(std::make_pair(LevelWidth(0), LevelWidth(1)), std::make_pair(3, 0));

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    alpha.Bind();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D) && glIsEnabled(GL_BLEND));
    EXPECT_EQ(std::make_pair(Integer(GL_BLEND_SRC), Integer(GL_BLEND_DST)),
              std::make_pair(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA));
    EXPECT_EQ(static_cast<GLuint>(Integer(GL_TEXTURE_BINDING_2D)), alpha.textureName);
    glDisable(GL_BLEND);
    texture.Bind();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(static_cast<GLuint>(Integer(GL_TEXTURE_BINDING_2D)), texture.textureName);
}
