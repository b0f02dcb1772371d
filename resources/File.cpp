#include "resources/File.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "engine/Log.h"

namespace
{

// The folder the running program lies in; empty when the system cannot tell.
std::string ProgramFolder()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || length == static_cast<ssize_t>(sizeof path))
        return std::string();
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/'));
}

// A relative name is looked for in the working folder first, where the game
// has always found its Assets/, then beside the program (a build tree started
// from elsewhere), then in the data folder of an installed game, which lies at
// a fixed place relative to the program. The name itself stays as given.
std::FILE* OpenData(const std::string& name)
{
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file || name.empty() || name[0] == '/')
        return file;
    const std::string folder = ProgramFolder();
    if (folder.empty())
        return nullptr;
    for (const std::string& candidate : {folder + "/" + name, folder + "/" VALDMOOR_DATA_FROM_PROGRAM "/" + name})
        if ((file = std::fopen(candidate.c_str(), "rb")))
            return file;
    return nullptr;
}

} // namespace

CFile::CFile() : m_data(nullptr), m_cursor(nullptr), m_position(0), m_size(0), m_delimiters(nullptr)
{
    SetDelimiters(" \r\t\n");
}

CFile::~CFile()
{
    delete[] m_delimiters;
    Discard();
}

void CFile::SetDelimiters(const char* delimiters)
{
    delete[] m_delimiters;
    m_delimiters = nullptr;
    if (!delimiters)
        return;
    m_delimiters = new char[std::strlen(delimiters) + 1];
    std::strcpy(m_delimiters, delimiters);
}

bool CFile::Open(const std::string& fileName)
{
    m_name = fileName;
    Discard();

    std::FILE* file = OpenData(fileName);
    if (!file)
    {
        g_engineLog.SetLevel(Error);
        g_engineLog << "File " << fileName << " doesn't exist.";
        g_engineLog.Commit();
        return false;
    }

    // Counted by reading, so that files whose size the system cannot tell
    // in advance are read whole too.
    std::uint64_t count = 0;
    char block[1024];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
        count += got;
    if (count > UINT32_MAX)
        count = UINT32_MAX;

    std::rewind(file);
    // A file larger than the memory left is a failed open, not an abort.
    m_data = new (std::nothrow) std::uint8_t[count ? count : 1];
    if (!m_data)
    {
        std::fclose(file);
        g_engineLog.SetLevel(Error);
        g_engineLog << "File " << fileName << " is too large to read into memory.";
        g_engineLog.Commit();
        return false;
    }
    m_size = static_cast<std::uint32_t>(std::fread(m_data, 1, count, file));
    std::fclose(file);
    m_cursor = m_data;
    return true;
}

bool CFile::IsEOF() const
{
    return m_position >= m_size;
}

std::uint32_t CFile::Read(void* destination, std::uint32_t count)
{
    const std::uint32_t available = m_size - m_position;
    const std::uint32_t copied = count < available ? count : available;
    if (copied > 0)
        std::memcpy(destination, m_cursor, copied);
    m_position += copied;
    m_cursor = m_data + m_position;
    return copied;
}

// A seek never leaves the position at or beyond the end: one that would is
// refused and parks on the last byte.
bool CFile::Seek(std::uint32_t offset, int origin)
{
    std::uint64_t target = m_position;
    if (origin == 0)
        target = offset;
    else if (origin == 1)
        target = static_cast<std::uint64_t>(m_position) + offset;
    else if (origin == 2)
        target = offset <= m_size ? m_size - offset : UINT64_MAX;

    if (target < m_size)
    {
        m_position = static_cast<std::uint32_t>(target);
        m_cursor = m_data + m_position;
        return true;
    }
    m_position = m_size > 0 ? m_size - 1 : 0;
    m_cursor = m_data + m_position;
    return false;
}

const std::string& CFile::Name() const
{
    return m_name;
}

std::uint32_t CFile::Position() const
{
    return m_position;
}

std::uint32_t CFile::Size() const
{
    return m_size;
}

void CFile::Discard()
{
    delete[] m_data;
    m_data = nullptr;
    m_cursor = nullptr;
    m_position = 0;
    m_size = 0;
}
