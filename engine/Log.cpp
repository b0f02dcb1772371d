#include "engine/Log.h"

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
    if (m_enabled)
    {
        if (m_kind == Html)
            FormatHtml();
        else
            FormatText();
        if (m_stream.is_open())
            m_stream << m_pending << std::endl;
    }
    m_pending.clear();
}

// Nothing else is escaped: markup inside a message reaches the page as it is.
void CLog::FormatHtml()
{
    if (m_level == Error)
        m_pending = "<div style='color: red; background-color: #EAAD98'>" + m_pending + "</div>";
    else if (m_level == Warning)
        m_pending = "<div style='color: blue; background-color: #94A5FC'>" + m_pending + "</div>";
    ReplaceAll(m_pending, "\n", "<br>");
    ReplaceAll(m_pending, "\t", "&nbsp;&nbsp;&nbsp;&nbsp;");
    m_pending += "<br>";
}

void CLog::FormatText()
{
    if (m_level == Error)
        m_pending = "Error: " + m_pending;
    else if (m_level == Warning)
        m_pending = "Warning: " + m_pending;
}
