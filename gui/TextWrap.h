#pragma once

#include <functional>
#include <string>
#include <vector>

namespace GUI
{

typedef std::function<int(const std::string&)> TextMeasure;   // a text's width in pixels

// Breaks a text into lines narrower than width pixels: each newline starts a
// paragraph, a line holds the most whole words whose width stays below the
// width (one exactly as wide is cut back by a word) but at least one word,
// and the space at a break is dropped. A word wider than the box, with no
// space to break at, is left whole on the last line of its paragraph.
std::vector<std::string> WrapText(const std::string& text, int width, const TextMeasure& measure);

} // namespace GUI
