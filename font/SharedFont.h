#pragma once

#include <cstdint>

#include "font/PixelPerfectGLFont.h"

// The game's font as every CFont shares it: read and uploaded once, when the
// first CFont is initialised, and deleted with its texture when the last one
// goes. Labels come and go with every question, and a font of their own each
// would read the file and leave a texture behind every time.
class CSharedFont
{
public:
    // One per program, counted by its users.
    CSharedFont(const CSharedFont&) = delete;
    CSharedFont& operator=(const CSharedFont&) = delete;

    // One user more; loads the font on the first. Needs a current context;
    // throws GLFontError::InvalidFile, and then holds nothing.
    static CSharedFont* Acquire(const char* fileName);
    void Release();                         // one user fewer; the last deletes the font and its texture

    const PixelPerfectGLFont& Glyphs() const;   // the table to draw and measure with
    std::uint32_t             Texture() const;   // OpenGL texture name of the atlas

private:
    CSharedFont();
    ~CSharedFont();

    std::uint32_t      m_texture;           // OpenGL texture name holding the atlas
    PixelPerfectGLFont m_glFont;            // the glyph table, loaded into m_texture
    unsigned           m_users;             // CFonts holding this font
};
