#include "resources/PixelBlock.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "engine/Window.h"
#include "resources/AdvancedGL.h"
#include "resources/Texture.h"

namespace
{

// The framebuffer entry points the block needs; on this platform they do
// not depend on the context, so they are fetched once.
struct FramebufferProcedures
{
    PFNGLGENFRAMEBUFFERSPROC        generate;
    PFNGLDELETEFRAMEBUFFERSPROC     remove;
    PFNGLBINDFRAMEBUFFERPROC        bind;
    PFNGLFRAMEBUFFERTEXTURE2DPROC   attach;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC status;
    PFNGLBLITFRAMEBUFFERPROC        copy;
};

const FramebufferProcedures& Procedures()
{
    static const FramebufferProcedures procedures = {
        reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(GetGLProcedure("glGenFramebuffers")),
        reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(GetGLProcedure("glDeleteFramebuffers")),
        reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(GetGLProcedure("glBindFramebuffer")),
        reinterpret_cast<PFNGLFRAMEBUFFERTEXTURE2DPROC>(GetGLProcedure("glFramebufferTexture2D")),
        reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(GetGLProcedure("glCheckFramebufferStatus")),
        reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(GetGLProcedure("glBlitFramebuffer")),
    };
    return procedures;
}

bool CanCopyFramebuffers()
{
    if (!IsExtensionSupported("GL_ARB_framebuffer_object"))
        return false;
    GLint sampleBuffers = 0;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    const FramebufferProcedures& gl = Procedures();
    return sampleBuffers == 0 && gl.generate && gl.remove && gl.bind && gl.attach && gl.status && gl.copy;
}

// Blue, green, red and alpha, top row first: a window's pixels as they lie
// in memory here. A texture's rows count from the bottom, so the copy that
// turns them over in OpenGL's terms moves memory straight across, which a
// software renderer does row by row without sampling.
std::vector<GLubyte> WindowRows(int width, int height, const std::uint8_t fill[4], const CTextureData& picture,
                                int left, int bottom)
{
    std::vector<GLubyte> rows(4 * static_cast<std::size_t>(width) * height);
    for (std::size_t at = 0; at < rows.size(); at += 4)
    {
        rows[at] = fill[2];
        rows[at + 1] = fill[1];
        rows[at + 2] = fill[0];
        rows[at + 3] = fill[3];
    }
    const int firstX = std::max(0, left);
    const int lastX = std::min(width, left + picture.width);
    const int lastY = std::min(height, bottom + picture.height);
    for (int y = std::max(0, bottom); y < lastY; ++y)
    {
        const std::uint8_t* from = picture.pixels + 3 * (static_cast<std::size_t>(picture.width) * (y - bottom) +
                                                         (firstX - left));
        GLubyte* to = rows.data() + 4 * (static_cast<std::size_t>(width) * (height - 1 - y) + firstX);
        for (int x = firstX; x < lastX; ++x, from += 3, to += 4)
        {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = 255;
        }
    }
    return rows;
}

} // namespace

bool CPixelBlock::Create(int width, int height, const std::uint8_t fill[4], const CTextureData& picture, int left,
                         int bottom)
{
    if (Ready() || width <= 0 || height <= 0 || picture.bytesPerPixel != 3 || !picture.pixels ||
        !CanCopyFramebuffers())
        return false;
    const FramebufferProcedures& gl = Procedures();
    const std::vector<GLubyte> rows = WindowRows(width, height, fill, picture, left, bottom);

    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    // Unsized, so that the renderer keeps the layout the pixels come in,
    // the window's own, rather than one of its choosing.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));

    GLuint framebuffer = 0;
    gl.generate(1, &framebuffer);
    gl.bind(GL_READ_FRAMEBUFFER, framebuffer);
    gl.attach(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    const bool complete = gl.status(GL_READ_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    gl.bind(GL_READ_FRAMEBUFFER, 0);
    // An upload the card had no memory for leaves the framebuffer incomplete.
    if (!complete)
    {
        gl.remove(1, &framebuffer);
        glDeleteTextures(1, &texture);
        return false;
    }
    m_framebuffer = framebuffer;
    m_width = width;
    m_height = height;
    return true;
}

// The scissor test would turn the copy into drawing, pixel by pixel.
void CPixelBlock::Copy(int left, int bottom) const
{
    if (!Ready())
        return;
    const FramebufferProcedures& gl = Procedures();
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    glDisable(GL_SCISSOR_TEST);
    gl.bind(GL_READ_FRAMEBUFFER, m_framebuffer);
    // The block's first row is its top one: the source runs up while the
    // destination runs down.
    gl.copy(0, 0, m_width, m_height, left, bottom + m_height, left + m_width, bottom, GL_COLOR_BUFFER_BIT,
            GL_NEAREST);
    gl.bind(GL_READ_FRAMEBUFFER, 0);
    if (scissor)
        glEnable(GL_SCISSOR_TEST);
}
