#include "game/Settings.h"

#include <sstream>
#include <vector>

#include "game/PlayerFiles.h"

CSettings g_settings;

namespace
{

const char* const kKind = "valdmoor-settings";
const int kMinWindow = 100;                 // screen units; a remembered size outside these is refused
const int kMaxWindow = 16384;
const int kHighestLevel = 4;

bool AtEnd(std::istringstream& words)
{
    std::string rest;
    return !(words >> rest);
}

} // namespace

CSettings::CSettings() : m_windowWidth(0), m_windowHeight(0), m_fullScreen(false), m_difficulty(0) {}

void CSettings::Load(const std::string& path)
{
    m_path = path;
    std::string message;
    if (LoadKeptFile(path, kKind, [this](const std::vector<std::string>& lines, int& line, std::string& cause)
                     { return Parse(lines, line, cause); }, message))
        return;
    *this = CSettings();
    m_path = path;
    m_loadMessage = message;
}

bool CSettings::Save(std::string& error) const
{
    return m_path.empty() || WriteFileAtomically(m_path, Text(), error);
}

std::string CSettings::Text() const
{
    std::string text = std::string(kKind) + " 1\n";
    if (m_windowWidth > 0)
        text += "window " + std::to_string(m_windowWidth) + " " + std::to_string(m_windowHeight) + "\n";
    text += std::string("fullscreen ") + (m_fullScreen ? "yes" : "no") + "\n";
    if (m_difficulty > 0)
        text += "difficulty " + std::to_string(m_difficulty) + "\n";
    return text;
}

bool CSettings::Parse(const std::vector<std::string>& lines, int& line, std::string& cause)
{
    for (std::size_t index = 0; index < lines.size(); ++index)
    {
        line = static_cast<int>(index) + 2;
        std::istringstream words(lines[index]);
        std::string key;
        std::string answer;
        if (!(words >> key))
            continue;
        bool read = false;
        if (key == "window")
            read = ReadWholeNumber(words, kMinWindow, kMaxWindow, m_windowWidth) &&
                   ReadWholeNumber(words, kMinWindow, kMaxWindow, m_windowHeight) && AtEnd(words);
        else if (key == "fullscreen")
            read = (words >> answer) && (answer == "yes" || answer == "no") && AtEnd(words);
        else if (key == "difficulty")
            read = ReadWholeNumber(words, 1, kHighestLevel, m_difficulty) && AtEnd(words);
        if (!read)
        {
            cause = "expected \"window <width> <height>\", \"fullscreen yes\" or \"no\", or \"difficulty <1-4>\"";
            return false;
        }
        if (key == "fullscreen")
            m_fullScreen = answer == "yes";
    }
    return true;
}
