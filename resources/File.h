#pragma once

#include <cstdint>
#include <string>

// A whole file read into memory on Open, then served by byte reads and seeks.
// Every decoder reads through this class, never through the C library.
class CFile
{
public:
    CFile();
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    void SetDelimiters(const char* delimiters);    // kept for a text reader to come; no decoder reads them
    bool Open(const std::string& fileName);
    bool IsEOF() const;                             // for tests; the decoders check Read's count
    std::uint32_t Read(void* destination, std::uint32_t count);
    bool Seek(std::uint32_t offset, int origin);    // origin 0 start, 1 current, 2 back from the end

    const std::string& Name() const;
    std::uint32_t Position() const;
    std::uint32_t Size() const;

private:
    void Discard();

    std::uint8_t*  m_data;                  // the file's bytes, owned; null before a good Open
    std::uint8_t*  m_cursor;                // m_data + m_position
    std::uint32_t  m_position;              // bytes from the start; never beyond m_size
    std::uint32_t  m_size;                  // bytes in m_data
    std::string    m_name;                  // as last passed to Open; quoted by the loaders
    char*          m_delimiters;            // owned copy; " \r\t\n" after construction
};
