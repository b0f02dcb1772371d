#include "game/Settings.h"

#include <sstream>
#include <vector>

#include "game/PlayerFiles.h"

CSettings g_settings;

namespace
{

const char* const kHeader = "valdmoor-settings 1";
const std::size_t kMaxBytes = 4096;         // the file holds four short lines
const int kMinWindow = 100;                 // screen units; a remembered size outside these is refused
const int kMaxWindow = 16384;
const int kHighestLevel = 4;

bool ReadNumber(std::istringstream& words, int lowest, int highest, int& value)
{
    std::string word;
    if (!(words >> word) || word.empty() || word.size() > 5 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(word);
    return value >= lowest && value <= highest;
}

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
    std::string text;
    std::string error;
    const ReadResult read = ReadPlayerFile(path, kMaxBytes, text, error);
    if (read == FileMissing)
        return;
    int line = 0;
    if (read == FileRefused || !Parse(text, line, error))
    {
        *this = CSettings();
        m_path = path;
        m_loadMessage = RefusePlayerFile(path, line, error);
    }
}

bool CSettings::Save(std::string& error) const
{
    return m_path.empty() || WriteFileAtomically(m_path, Text(), error);
}

std::string CSettings::Text() const
{
    std::string text = std::string(kHeader) + "\n";
    if (m_windowWidth > 0)
        text += "window " + std::to_string(m_windowWidth) + " " + std::to_string(m_windowHeight) + "\n";
    text += std::string("fullscreen ") + (m_fullScreen ? "yes" : "no") + "\n";
    if (m_difficulty > 0)
        text += "difficulty " + std::to_string(m_difficulty) + "\n";
    return text;
}

bool CSettings::Parse(const std::string& text, int& line, std::string& cause)
{
    std::istringstream lines(text);
    std::string content;
    for (line = 1; std::getline(lines, content); ++line)
    {
        if (!content.empty() && content.back() == '\r')
            content.pop_back();
        if (line == 1)
        {
            if (content == kHeader)
                continue;
            cause = content.rfind("valdmoor-settings ", 0) == 0 ? "written by a newer Valdmoor"
                                                                : "not a Valdmoor settings file";
            return false;
        }
        std::istringstream words(content);
        std::string key;
        std::string answer;
        if (!(words >> key))
            continue;
        bool read = false;
        if (key == "window")
            read = ReadNumber(words, kMinWindow, kMaxWindow, m_windowWidth) &&
                   ReadNumber(words, kMinWindow, kMaxWindow, m_windowHeight) && AtEnd(words);
        else if (key == "fullscreen")
            read = (words >> answer) && (answer == "yes" || answer == "no") && AtEnd(words);
        else if (key == "difficulty")
            read = ReadNumber(words, 1, kHighestLevel, m_difficulty) && AtEnd(words);
        if (!read)
        {
            cause = "expected \"window <width> <height>\", \"fullscreen yes\" or \"no\", or \"difficulty <1-4>\"";
            return false;
        }
        if (key == "fullscreen")
            m_fullScreen = answer == "yes";
    }
    if (line == 1)
    {
        cause = "empty";
        return false;
    }
    return true;
}
