#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "font/GLFontError.h"

class CFile;

// Index of this file:
//   GLFontChar - one character's record
//   GLFontBase - the font: the table and its texture

//------------------------------------------------------------------ GLFontChar

// One character record of a ".glf" file. PixelPerfectGLFont keeps the
// glyph's whole-pixel size over the file's own size.
struct GLFontChar
{
    union
    {
        float        dx;                    // glyph width as the file gives it
        std::int32_t width;                 // pixels, once measured
    };
    union
    {
        float        dy;                    // glyph height as the file gives it
        std::int32_t height;                // pixels, once measured
    };
    float tx1;                              // left texture coordinate
    float ty1;                              // texture coordinate of the upper edge
    float tx2;                              // right texture coordinate
    float ty2;                              // texture coordinate of the lower edge
};

//------------------------------------------------------------------ GLFontBase

// A bitmap font read from a ".glf" file: a table of texture rectangles, one
// per character code from startChar to endChar, over a luminance-alpha atlas
// uploaded into a texture name that the caller supplies.
//
// A file is rejected with GLFontError::InvalidFile, as a missing one is,
// when it is shorter than its header promises, when endChar is below
// startChar, when the atlas has no texels, or when its table or atlas needs
// more memory than the system gives. An atlas larger than the pictures may
// be, or than the graphics card holds, is rejected the same way, after a
// line in the engine log saying so. The font is then left empty.
class GLFontBase
{
public:
    GLFontBase();                           // empty; drawing throws until a load completes
    virtual ~GLFontBase();                  // frees the table; the texture stays the caller's
    // The one owner of its table.
    GLFontBase(const GLFontBase&) = delete;
    GLFontBase& operator=(const GLFontBase&) = delete;

    // Reads the file and uploads its atlas into textureName, filtered nearest when
    // pixelPerfect, else linear. Needs a current context; throws GLFontError::InvalidFile.
    void Create(const std::string& fileName, std::uint32_t textureName, bool pixelPerfect);
    void Read(CFile& file, std::vector<std::uint8_t>& atlas);  // the parsing part of Create; no OpenGL
    void Begin() const;                     // binds the atlas; throws GLFontError::InvalidFont when empty
    void Destroy();                         // empties the font; the texture name stays the caller's

protected:
    const GLFontChar* Glyph(char code) const;   // null for a code outside the table

    std::uint32_t                 texture;    // OpenGL texture name supplied by the caller
    std::int32_t                  texWidth;   // atlas width, texels
    std::int32_t                  texHeight;  // atlas height, texels
    std::int32_t                  startChar;  // first character code in the table
    std::int32_t                  endChar;    // last character code in the table, inclusive
    std::unique_ptr<GLFontChar[]> chars;      // endChar - startChar + 1 records, owned
    bool                          valid;      // set once a load has completed; drawing needs it
};
