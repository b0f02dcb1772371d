#pragma once

#include <cstdint>

#include "font/PixelPerfectGLFont.h"

// The text renderer of labels and text boxes: a texture name of its own with
// the game's font loaded into it. Text is drawn white, alpha-blended, with
// its lower-left corner at the given point.
class CFont
{
public:
    static constexpr const char* FileName = "Assets/font.glf";

    CFont();

    void Init();                            // needs a current context; throws GLFontError::InvalidFile
    void DrawText(int x, int y, const char* text) const;
    int  TextWidth(const char* text) const;     // pixels
    int  TextHeight(const char* text) const;    // pixels; an empty text is as tall as "1"

private:
    void RestoreState() const;              // undoes what DrawText set up

    std::uint32_t      m_fontTexture;       // OpenGL texture name; 0 before Init
    PixelPerfectGLFont m_glFont;            // the glyph table, loaded into m_fontTexture
};
