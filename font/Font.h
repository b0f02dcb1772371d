#pragma once

#include "font/SharedFont.h"

// The text renderer of labels and text boxes: the game's font, shared with
// every other CFont. Text is drawn white, alpha-blended, with its lower-left
// corner at the given point.
class CFont
{
public:
    static constexpr const char* FileName = "Assets/font.glf";   // the one font file, from the working folder

    CFont();                                // holds no font until Init
    ~CFont();                               // one user fewer of the shared font
    // Each CFont counts once among the shared font's users.
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    void Init();                            // needs a current context; throws GLFontError::InvalidFile
    void DrawText(int x, int y, const char* text) const;   // throws GLFontError::InvalidFont before Init
    int  TextWidth(const char* text) const;     // pixels; 0 before Init
    int  TextHeight(const char* text) const;    // pixels; an empty text is as tall as "1"; 0 before Init

private:
    CSharedFont* m_font;                    // one of its users; null until Init succeeds
};
