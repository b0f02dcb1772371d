#include "resources/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

// Without O_NONBLOCK, opening a named pipe waits for a writer that may
// never come; for a regular file the flag changes nothing.
int OpenForReading(const std::string& path)
{
    return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

// A relative name is looked for in the working folder first, where the game
// has always found its Assets/, then beside the program (a build tree started
// from elsewhere), then in the data folder of an installed game, which lies at
// a fixed place relative to the program. The name itself stays as given.
int OpenData(const std::string& name)
{
    int descriptor = OpenForReading(name);
    if (descriptor >= 0 || name.empty() || name[0] == '/')
        return descriptor;
    const std::string folder = ProgramFolder();
    if (folder.empty())
        return -1;
    for (const std::string& candidate : {folder + "/" + name, folder + "/" VALDMOOR_DATA_FROM_PROGRAM "/" + name})
        if ((descriptor = OpenForReading(candidate)) >= 0)
            return descriptor;
    return -1;
}

// Null for a regular file; otherwise what the file is, for its refusal.
const char* NotRegular(mode_t mode)
{
    if (S_ISREG(mode))
        return nullptr;
    if (S_ISFIFO(mode))
        return "is a named pipe, not a regular file.";
    if (S_ISCHR(mode))
        return "is a character device, not a regular file.";
    if (S_ISBLK(mode))
        return "is a block device, not a regular file.";
    if (S_ISDIR(mode))
        return "is a folder, not a regular file.";
    if (S_ISSOCK(mode))
        return "is a socket, not a regular file.";
    return "is not a regular file.";
}

} // namespace

CFile::CFile()
    : m_descriptor(-1), m_position(0), m_size(0), m_blockStart(0), m_blockLength(0), m_delimiters(nullptr)
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

    m_descriptor = OpenData(fileName);
    struct stat status;
    // A socket cannot be opened at all; it is still named for what it is.
    if (m_descriptor < 0 && stat(fileName.c_str(), &status) == 0 && NotRegular(status.st_mode))
        return Refuse(NotRegular(status.st_mode));
    if (m_descriptor < 0)
    {
        g_engineLog.SetLevel(Error);
        g_engineLog << "File " << fileName << " doesn't exist.";
        g_engineLog.Commit();
        return false;
    }
    if (fstat(m_descriptor, &status) != 0)
        return Refuse("cannot be examined.");
    if (const char* what = NotRegular(status.st_mode))
        return Refuse(what);
    if (static_cast<std::uint64_t>(status.st_size) > UINT32_MAX)
        return Refuse("is larger than the 4 GiB a data file may hold.");
    m_size = static_cast<std::uint32_t>(status.st_size);
    return true;
}

bool CFile::IsEOF() const
{
    return m_position >= m_size;
}

// A file that shrank since it was opened ends where its bytes end.
std::uint32_t CFile::Read(void* destination, std::uint32_t count)
{
    std::uint8_t* out = static_cast<std::uint8_t*>(destination);
    std::uint32_t copied = 0;
    while (copied < count && m_position < m_size)
    {
        if (!FillBlock())
            break;
        const std::uint32_t inBlock = m_blockStart + m_blockLength - m_position;
        const std::uint32_t wanted = count - copied;
        const std::uint32_t now = wanted < inBlock ? wanted : inBlock;
        std::memcpy(out + copied, m_block.get() + (m_position - m_blockStart), now);
        copied += now;
        m_position += now;
    }
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
        return true;
    }
    m_position = m_size > 0 ? m_size - 1 : 0;
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
    if (m_descriptor >= 0)
        close(m_descriptor);
    m_descriptor = -1;
    m_position = 0;
    m_size = 0;
    m_blockStart = 0;
    m_blockLength = 0;
}

bool CFile::Refuse(const char* why)
{
    Discard();
    g_engineLog.SetLevel(Error);
    g_engineLog << "File " << m_name << " " << why;
    g_engineLog.Commit();
    return false;
}

bool CFile::FillBlock()
{
    if (m_position >= m_blockStart && m_position < m_blockStart + m_blockLength)
        return true;
    if (!m_block)
        m_block.reset(new std::uint8_t[BlockSize]);
    m_blockStart = m_position;
    m_blockLength = 0;
    while (m_blockLength < BlockSize)
    {
        const ssize_t got = pread(m_descriptor, m_block.get() + m_blockLength, BlockSize - m_blockLength,
                                  static_cast<off_t>(m_blockStart) + m_blockLength);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        m_blockLength += static_cast<std::uint32_t>(got);
    }
    return m_blockLength > 0;
}
