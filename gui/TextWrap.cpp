#include "gui/TextWrap.h"

namespace GUI
{

namespace
{

// The position of the space to break rest at: the space before the first
// space whose prefix is at least width wide, or the last space when none is.
std::string::size_type BreakAt(const std::string& rest, int width, const TextMeasure& measure)
{
    std::string::size_type previous = rest.find(' ');
    if (previous == std::string::npos)
        return previous;
    for (std::string::size_type next = rest.find(' ', previous + 1); next != std::string::npos;
         next = rest.find(' ', next + 1))
    {
        if (measure(rest.substr(0, next)) >= width)
            return previous;
        previous = next;
    }
    return previous;
}

void WrapParagraph(std::string rest, int width, const TextMeasure& measure, std::vector<std::string>& lines)
{
    while (measure(rest) > width)
    {
        const std::string::size_type space = BreakAt(rest, width, measure);
        if (space == std::string::npos)
            break;
        lines.push_back(rest.substr(0, space));
        rest.erase(0, space + 1);
    }
    lines.push_back(rest);
}

} // namespace

std::vector<std::string> WrapText(const std::string& text, int width, const TextMeasure& measure)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (std::string::size_type end = text.find('\n'); end != std::string::npos; end = text.find('\n', start))
    {
        WrapParagraph(text.substr(start, end - start), width, measure, lines);
        start = end + 1;
    }
    WrapParagraph(text.substr(start), width, measure, lines);
    return lines;
}

} // namespace GUI
