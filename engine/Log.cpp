#include "engine/Log.h"

#include <fcntl.h>
#include <unistd.h>

namespace
{

const char* const kHtmlHead = "<html><body style=\"font: 12px Verdana, sans-serif;\">";
const char* const kHtmlTail = "</body></html>";

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

CLog g_engineLog(CLog::Html);
CLog g_generalLog(CLog::Text);

CLog::CLog(Kind kind) : m_level(0), m_enabled(true), m_kind(kind) {}

CLog::~CLog()
{
    if (m_kind == Html && m_stream.is_open())
        m_stream << kHtmlTail << std::endl;
    m_stream.close();
}

// A file that cannot be opened is not reported: the log then writes nothing.
void CLog::Open(const char* fileName)
{
    if (m_stream.is_open())
        m_stream.close();
    m_stream.clear();
    m_stream.open(fileName, std::ios::out | std::ios::trunc);
    m_path = m_stream.is_open() ? fileName : "";
    if (m_kind == Html && m_stream.is_open())
        m_stream << kHtmlHead << std::endl;
}

void CLog::SetLevel(int level)
{
    m_level = level;
}

CLog& CLog::operator<<(const char* text)
{
    if (m_enabled)
        m_pending += text;
    return *this;
}

// Like a C string, the text ends at its first zero character.
CLog& CLog::operator<<(const std::string& text)
{
    if (m_enabled)
        m_pending += text.c_str();
    return *this;
}

CLog& CLog::operator<<(std::int32_t number)
{
    if (m_enabled)
        m_pending += std::to_string(number);
    return *this;
}

CLog& CLog::operator<<(std::uint32_t number)
{
    if (m_enabled)
        m_pending += std::to_string(number);
    return *this;
}

void CLog::Commit()
{
    if (m_enabled && m_stream.is_open())
        m_stream << Formatted(m_level, m_pending) << std::flush;
    m_pending.clear();
}

// Nothing else is escaped: markup inside a message reaches the page as it is.
std::string CLog::Formatted(int level, const std::string& text) const
{
    std::string line = text;
    if (m_kind == Text)
    {
        if (level == Error)
            line = "Error: " + line;
        else if (level == Warning)
            line = "Warning: " + line;
        return line + "\n";
    }
    if (level == Error)
        line = "<div style='color: red; background-color: #EAAD98'>" + line + "</div>";
    else if (level == Warning)
        line = "<div style='color: blue; background-color: #94A5FC'>" + line + "</div>";
    ReplaceAll(line, "\n", "<br>");
    ReplaceAll(line, "\t", "&nbsp;&nbsp;&nbsp;&nbsp;");
    return line + "<br>\n";
}

std::string CLog::Closing() const
{
    return m_kind == Html ? std::string(kHtmlTail) + "\n" : std::string();
}

// Opened afresh, as the stream's descriptor is not to be had; whatever the
// stream holds was flushed at its last commit.
void CLog::WriteNow(const std::string& bytes) const
{
    if (m_path.empty())
        return;
    const int descriptor = open(m_path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (descriptor < 0)
        return;
    const ssize_t written = write(descriptor, bytes.data(), bytes.size());
    static_cast<void>(written);
    close(descriptor);
}
