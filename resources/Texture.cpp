#include "resources/Texture.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glx.h>

#include "engine/Log.h"
#include "resources/PictureLimits.h"

namespace
{

bool Refuse(const std::string& fileName, const std::string& why)
{
    g_generalLog.SetLevel(Error);
    g_generalLog << fileName << ": " << why;
    g_generalLog.Commit();
    return false;
}

} // namespace

std::int32_t LargestTextureSide()
{
    if (!glXGetCurrentContext())
        return 0;
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    return largest;
}

bool CTextureObject::Create(const TextureOptions& options, const std::string& fileName)
{
    // A picture beyond the card's limit would upload as nothing and draw as
    // a white box, so it is refused before a name is taken.
    const std::int32_t largest = LargestTextureSide();
    if (largest > 0 && (width > largest || height > largest))
        return Refuse(fileName, std::to_string(width) + " by " + std::to_string(height) +
                                    " pixels is more than the graphics card holds (" + std::to_string(largest) +
                                    " a side)");

    glEnable(GL_TEXTURE_2D);
    GLuint name = 0;
    glGenTextures(1, &name);
    textureName = name;
    glBindTexture(GL_TEXTURE_2D, textureName);

    const GLenum format = bytesPerPixel == 4 ? GL_RGBA : GL_RGB;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    filter = GL_LINEAR;

    // Rows are tightly packed, whatever their length in bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Errors left by earlier calls would otherwise be taken for this upload's.
    while (glGetError() != GL_NO_ERROR)
    {
    }
    GLenum failure = GL_NO_ERROR;
    if (options.mipmaps)
        failure = gluBuild2DMipmaps(GL_TEXTURE_2D, bytesPerPixel, width, height, format, GL_UNSIGNED_BYTE, pixels);
    else
    {
        glTexImage2D(GL_TEXTURE_2D, 0, bytesPerPixel, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
        failure = glGetError();
    }
    // Only a lack of memory is a refusal; other complaints of the driver
    // leave the texture as it was always made.
    if (failure == GL_OUT_OF_MEMORY || failure == GLU_OUT_OF_MEMORY)
    {
        glDeleteTextures(1, &name);
        textureName = 0;
        return Refuse(fileName, "the graphics card has no memory left for " + std::to_string(width) + " by " +
                                    std::to_string(height) + " pixels");
    }
    return textureName != 0;
}

void CTextureObject::Bind(bool texelPerPixel) const
{
    glEnable(GL_TEXTURE_2D);
    if (bytesPerPixel == 4)
    {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    glBindTexture(GL_TEXTURE_2D, textureName);
    const GLint wanted = texelPerPixel ? GL_NEAREST : GL_LINEAR;
    if (filter == wanted)
        return;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, wanted);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, wanted);
    filter = wanted;
}
