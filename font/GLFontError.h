#pragma once

// The font's two failures, thrown by value. They are the only exceptions of
// the engine; the program's entry point catches them, names the font file
// (CFont::FileName) in the engine log and on standard error, and exits with
// a non-zero code.
namespace GLFontError
{

struct InvalidFile {};                      // the font file is missing, unreadable or malformed
struct InvalidFont {};                      // drawing with a font whose load never completed

} // namespace GLFontError
