#pragma once

#include <string>
#include <vector>

// What the program remembers between runs: the window as it was left and
// the last difficulty chosen. Kept as a small versioned text file in the
// player's configuration folder.
class CSettings
{
public:
    CSettings();                            // the defaults, no file

    // An unreadable file is refused (logged and moved aside) and the
    // defaults stay; m_loadMessage says so.
    void Load(const std::string& path);
    bool Save(std::string& error) const;    // writes m_path atomically; false with the cause

    std::string Text() const;               // the file's whole text, header line included
    bool        Parse(const std::vector<std::string>& lines, int& line, std::string& cause);   // after the header

    int         m_windowWidth;              // screen units of the window out of full screen; 0 when never seen
    int         m_windowHeight;             // screen units, as m_windowWidth
    bool        m_fullScreen;               // the window was full screen when the program ended
    int         m_difficulty;               // the level last chosen, 1..4; 0 before the first choice
    std::string m_path;                     // the file; "" keeps nothing
    std::string m_loadMessage;              // why the file was refused at the last Load; "" if it was not
};

extern CSettings g_settings;                // loaded by UserInit, saved when the program ends
