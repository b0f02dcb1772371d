#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "resources/File.h"
#include "resources/Texture.h"
#include "support/GLContext.h"
#include "tests/resources/TestFiles.h"

// TGA files decoded without OpenGL, then pictures uploaded and bound in a
// hidden window.
namespace
{

using Bytes = std::vector<std::uint8_t>;

const std::uint8_t kUncompressed = 2;
const std::uint8_t kRunLength = 10;
const std::uint8_t kTopFirst = 0x20;

Bytes Header(std::uint8_t type, std::uint16_t width, std::uint16_t height, std::uint8_t depth,
             std::uint8_t descriptor = 0, std::uint8_t idLength = 0)
{
    const auto byte = [](int value) { return static_cast<std::uint8_t>(value & 0xFF); };
    return {idLength, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0,
            byte(width), byte(width >> 8), byte(height), byte(height >> 8), depth, descriptor};
}

Bytes operator+(Bytes head, const Bytes& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

bool Decode(const Bytes& bytes, CTextureData& data)
{
    CFile file;
    EXPECT_TRUE(file.Open(WriteFile(::testing::TempDir() + "picture.tga", std::string(bytes.begin(), bytes.end()))));
    return ReadTGA(file, data);
}

// Pixels whose bytes count up by sevens.
void Fill(CTextureObject& texture, std::uint16_t width, std::uint16_t height, std::uint16_t bytesPerPixel)
{
    texture.width = width;
    texture.height = height;
    texture.bytesPerPixel = bytesPerPixel;
    texture.pixels = new std::uint8_t[width * height * bytesPerPixel];
    for (int i = 0; i < width * height * bytesPerPixel; ++i)
        texture.pixels[i] = static_cast<std::uint8_t>(i * 7);
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
// cannot be decoded whole leaves the data empty.
TEST(TgaReaderTest, EachFileDecodesToItsPixelsOrIsRejected)
{
    Bytes raw, rawDecoded, runDecoded;      // one raw packet of 128 pixels, one run of 128
    for (int i = 0; i < 128; ++i)
    {
        raw = raw + Bytes{0, 0, static_cast<std::uint8_t>(i)};
        rawDecoded = rawDecoded + Bytes{static_cast<std::uint8_t>(i), 0, 0};
        runDecoded = runDecoded + Bytes{7, 8, 9};
    }
    Bytes headerShortOfOneByte = Header(kUncompressed, 1, 1, 24);
    headerShortOfOneByte.pop_back();
    const struct
    {
        const char*        what;
        Bytes              file;
        std::array<int, 3> form;            // width, height, bytes per pixel; all 0 for a rejected file
        Bytes              pixels;
    } cases[] = {
        {"rows of nine bytes",
         Header(kUncompressed, 3, 2, 24) + Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 30, 20, 10, 60, 50, 40, 90, 80, 70},
         {3, 2, 3}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
        {"top row first", Header(kUncompressed, 1, 3, 24, kTopFirst) + Bytes{3, 3, 3, 2, 2, 2, 1, 1, 1}, {1, 3, 3},
         {1, 1, 1, 2, 2, 2, 3, 3, 3}},
        {"one row, top first", Header(kUncompressed, 2, 1, 24, kTopFirst) + Bytes{3, 2, 1, 6, 5, 4}, {2, 1, 3},
         {1, 2, 3, 4, 5, 6}},
        {"32 bits keep their alpha", Header(kUncompressed, 1, 1, 32) + Bytes{3, 2, 1, 128}, {1, 1, 4}, {1, 2, 3, 128}},
        {"16 bits: five bits a channel, top bit dropped",
         Header(kUncompressed, 4, 1, 16) + Bytes{0xFF, 0x7F, 0x00, 0x80, 0x00, 0x7C, 0x1F, 0x00}, {4, 1, 3},
         {248, 248, 248, 0, 0, 0, 248, 0, 0, 0, 0, 248}},
        {"unknown type read as uncompressed", Header(3, 1, 1, 24) + Bytes{3, 2, 1}, {1, 1, 3}, {1, 2, 3}},
        {"image ID skipped", Header(kUncompressed, 1, 1, 24, 0, 2) + Bytes{0xEE, 0xEE, 3, 2, 1}, {1, 1, 3}, {1, 2, 3}},
        {"run of 1, raw packet of 128, run of 128",
         Header(kRunLength, 257, 1, 24) + Bytes{0x80, 3, 2, 1, 0x7F} + raw + Bytes{0xFF, 9, 8, 7}, {257, 1, 3},
         Bytes{1, 2, 3} + rawDecoded + runDecoded},
        {"run length, 32 bits, top first",
         Header(kRunLength, 1, 2, 32, kTopFirst) + Bytes{0x00, 3, 2, 1, 200, 0x80, 6, 5, 4, 100}, {1, 2, 4},
         {4, 5, 6, 100, 1, 2, 3, 200}},
        {"eight-bit grey", Header(kUncompressed, 1, 1, 8) + Bytes{1}, {}, {}},
        {"sixteen-bit run length", Header(kRunLength, 1, 1, 16) + Bytes{0x80, 1, 2}, {}, {}},
        {"run past the picture", Header(kRunLength, 2, 1, 24) + Bytes{0x82, 1, 2, 3}, {}, {}},
        {"raw packet past the picture", Header(kRunLength, 1, 1, 24) + Bytes{0x01, 1, 2, 3, 4, 5, 6}, {}, {}},
        {"file ends inside the header", headerShortOfOneByte, {}, {}},
        {"file ends inside the image ID", Header(kUncompressed, 1, 1, 24, 0, 5) + Bytes{1, 2}, {}, {}},
        {"file ends inside the pixels", Header(kUncompressed, 2, 2, 24) + Bytes(11, 0), {}, {}},
        {"file ends inside a raw packet", Header(kRunLength, 2, 1, 24) + Bytes{0x01, 1, 2, 3, 4}, {}, {}},
        {"file ends before the last packet", Header(kRunLength, 2, 1, 24) + Bytes{0x80, 1, 2, 3}, {}, {}},
        {"picture without pixels", Header(kUncompressed, 0, 4, 24), {}, {}},
        {"largest picture in a tiny file", Header(kRunLength, 65535, 65535, 32) + Bytes{0xFF, 1, 2, 3, 4}, {}, {}},
    };
    for (const auto& picture : cases)
    {
        SCOPED_TRACE(picture.what);
        CTextureData data;
        EXPECT_EQ(Decode(picture.file, data), picture.form[0] > 0);
        EXPECT_EQ((std::array<int, 3>{data.width, data.height, data.bytesPerPixel}), picture.form);
        ASSERT_EQ(data.pixels == nullptr, picture.pixels.empty());
        EXPECT_EQ(Bytes(data.pixels, data.pixels + data.width * data.height * data.bytesPerPixel), picture.pixels);
    }
}

TEST(TextureTest, UploadKeepsRowsUnpaddedAndBuildsTheMipmapChainOnlyWhenAsked)
{
    ASSERT_TRUE(OpenTestContext());
    CTextureObject texture, mipmapped;
    Fill(texture, 3, 2, 3);
    ASSERT_TRUE(texture.Create(TextureOptions{false}));
    std::vector<std::uint8_t> uploaded(18);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_EQ(uploaded, std::vector<std::uint8_t>(texture.pixels, texture.pixels + 18));
    EXPECT_EQ(std::make_pair(LevelWidth(0), LevelWidth(1)), std::make_pair(3, 0));

    Fill(mipmapped, 4, 4, 4);
    ASSERT_TRUE(mipmapped.Create(TextureOptions{true}));
    EXPECT_EQ(std::make_pair(LevelWidth(0), LevelWidth(2)), std::make_pair(4, 1));
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);
}

TEST(TextureTest, BindingEnablesBlendingForAlphaTexturesOnly)
{
    ASSERT_TRUE(OpenTestContext());
    CTextureObject texture, alpha;
    Fill(texture, 1, 1, 3);
    Fill(alpha, 1, 1, 4);
    ASSERT_TRUE(texture.Create(TextureOptions{false}) && alpha.Create(TextureOptions{false}));

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    texture.Bind();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D) && !glIsEnabled(GL_BLEND));
    EXPECT_EQ(static_cast<GLuint>(Integer(GL_TEXTURE_BINDING_2D)), texture.textureName);

    alpha.Bind();
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(std::make_pair(Integer(GL_BLEND_SRC), Integer(GL_BLEND_DST)),
              std::make_pair(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA));
    EXPECT_EQ(static_cast<GLuint>(Integer(GL_TEXTURE_BINDING_2D)), alpha.textureName);
}
