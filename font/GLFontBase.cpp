#include "font/GLFontBase.h"

#include <cstring>
#include <new>

#include <GL/gl.h>

#include "engine/Log.h"
#include "resources/File.h"
#include "resources/PictureLimits.h"

namespace
{

const std::uint32_t kHeaderSize = 24;
const std::uint32_t kRecordSize = 24;
const std::uint32_t kTexelSize = 2;         // luminance, alpha

std::uint32_t LittleEndian32(const std::uint8_t* bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::int32_t Signed32(const std::uint8_t* bytes)
{
    return static_cast<std::int32_t>(LittleEndian32(bytes));
}

float Float32(const std::uint8_t* bytes)
{
    const std::uint32_t bits = LittleEndian32(bytes);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The caller has checked that the file holds every record. Memory that the
// system cannot give makes the file unreadable, as a malformed one is,
// rather than ending the program.
std::unique_ptr<GLFontChar[]> ReadCharTable(CFile& file, std::uint64_t recordCount)
{
    std::unique_ptr<GLFontChar[]> table(new (std::nothrow) GLFontChar[recordCount]);
    if (!table)
        throw GLFontError::InvalidFile();
    for (std::uint64_t i = 0; i < recordCount; ++i)
    {
        std::uint8_t record[kRecordSize];
        file.Read(record, kRecordSize);
        table[i].dx = Float32(record);
        table[i].dy = Float32(record + 4);
        table[i].tx1 = Float32(record + 8);
        table[i].ty1 = Float32(record + 12);
        table[i].tx2 = Float32(record + 16);
        table[i].ty2 = Float32(record + 20);
    }
    return table;
}

// Empty when the atlas is one the pictures' ceiling and the graphics card
// allow, otherwise why not.
std::string AtlasTooLarge(std::int32_t width, std::int32_t height)
{
    const std::string size = "an atlas of " + std::to_string(width) + " by " + std::to_string(height) + " texels";
    if (static_cast<std::uint32_t>(width) > kLargestPictureSide ||
        static_cast<std::uint32_t>(height) > kLargestPictureSide ||
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kLargestPicturePixels)
        return size + " is larger than the " + std::to_string(kLargestPictureSide) + " a side and " +
               std::to_string(kLargestPicturePixels) + " in all that are allowed";
    const std::int32_t largest = LargestTextureSide();
    if (largest > 0 && (width > largest || height > largest))
        return size + " is more than the graphics card holds (" + std::to_string(largest) + " a side)";
    return std::string();
}

} // namespace

static_assert(sizeof(GLFontChar) == kRecordSize, "a record in memory is a record of the file");

GLFontBase::GLFontBase()
    : texture(0), texWidth(0), texHeight(0), startChar(0), endChar(0), valid(false)
{
}

GLFontBase::~GLFontBase()
{
    Destroy();
}

void GLFontBase::Create(const std::string& fileName, std::uint32_t textureName, bool pixelPerfect)
{
    Destroy();

    CFile file;
    if (!file.Open(fileName))
        throw GLFontError::InvalidFile();
    texture = textureName;
    std::vector<std::uint8_t> atlas;
    Read(file, atlas);

    const GLfloat filter = pixelPerfect ? GL_NEAREST : GL_LINEAR;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    // Rows of two-byte texels are not padded to four bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 2, texWidth, texHeight, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, atlas.data());
    valid = true;
}

// Everything is checked against the file's size before anything is
// allocated, so a header cannot ask for more than the file holds; on a
// rejection the font keeps nothing of the file.
void GLFontBase::Read(CFile& file, std::vector<std::uint8_t>& atlas)
{
    Destroy();

    std::uint8_t header[kHeaderSize];
    if (file.Read(header, kHeaderSize) != kHeaderSize)
        throw GLFontError::InvalidFile();
    const std::int32_t width = Signed32(header + 4);
    const std::int32_t height = Signed32(header + 8);
    const std::int32_t first = Signed32(header + 12);
    const std::int32_t last = Signed32(header + 16);
    if (last < first || width <= 0 || height <= 0)
        throw GLFontError::InvalidFile();
    const std::string tooLarge = AtlasTooLarge(width, height);
    if (!tooLarge.empty())
    {
        g_engineLog.SetLevel(Error);
        g_engineLog << file.Name() << ": " << tooLarge;
        g_engineLog.Commit();
        throw GLFontError::InvalidFile();
    }

    const std::uint64_t recordCount = static_cast<std::uint64_t>(static_cast<std::int64_t>(last) - first + 1);
    const std::uint64_t texelBytes = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * kTexelSize;
    const std::uint64_t recordBytes = recordCount * kRecordSize;
    if (recordBytes + texelBytes > file.Size() - file.Position())
        throw GLFontError::InvalidFile();

    std::unique_ptr<GLFontChar[]> table = ReadCharTable(file, recordCount);
    try
    {
        atlas.resize(texelBytes);
    }
    catch (const std::bad_alloc&)
    {
        throw GLFontError::InvalidFile();
    }
    file.Read(atlas.data(), static_cast<std::uint32_t>(texelBytes));

    texWidth = width;
    texHeight = height;
    startChar = first;
    endChar = last;
    chars = std::move(table);
}

void GLFontBase::Begin() const
{
    if (!valid)
        throw GLFontError::InvalidFont();
    glBindTexture(GL_TEXTURE_2D, texture);
}

// The texture is not deleted: its name belongs to the caller.
void GLFontBase::Destroy()
{
    chars.reset();
    valid = false;
}

// A character is taken as a signed byte, as the table's codes are.
const GLFontChar* GLFontBase::Glyph(char code) const
{
    const std::int64_t index = static_cast<std::int64_t>(static_cast<signed char>(code)) - startChar;
    if (!chars || index < 0 || index > static_cast<std::int64_t>(endChar) - startChar)
        return nullptr;
    return &chars[static_cast<std::size_t>(index)];
}
