#pragma once

#include <cstdint>
#include <memory>
#include <string>

// A data file opened for byte reads and seeks. Only regular files are data:
// a named pipe, a device, a folder or a socket is refused on Open, with a
// line of its own, before a byte is read. The size comes from the system,
// not from reading, and bytes are read as the decoder asks for them, a block
// at a time, so a decoder that refuses a header has read little more than
// the header. Every decoder reads through this class, never through the C
// library.
class CFile
{
public:
    CFile();                                // closed; nothing to read
    ~CFile();                               // closes the file
    // The one owner of its descriptor and block.
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    void SetDelimiters(const char* delimiters);    // kept for a text reader to come; no decoder reads them
    bool Open(const std::string& fileName); // false, with an Error line, for a missing or non-regular file
    bool IsEOF() const;                             // for tests; the decoders check Read's count
    std::uint32_t Read(void* destination, std::uint32_t count);   // bytes copied; fewer than count at the end
    bool Seek(std::uint32_t offset, int origin);    // origin 0 start, 1 current, 2 back from the end

    const std::string& Name() const;        // as passed to Open, for the decoders' log lines
    std::uint32_t Position() const;         // bytes from the start
    std::uint32_t Size() const;             // bytes, as the system gave them on Open

private:
    static const std::uint32_t BlockSize = 64 * 1024;  // bytes read from the system at a time

    void Discard();
    bool Refuse(const char* why);           // logs why the file is not read; false
    bool FillBlock();                       // the block holding m_position; false at the end

    int                             m_descriptor;   // the open file, or -1
    std::uint32_t                   m_position;     // bytes from the start; never beyond m_size
    std::uint32_t                   m_size;         // bytes in the file when it was opened
    std::unique_ptr<std::uint8_t[]> m_block;        // BlockSize bytes, made on the first read
    std::uint32_t                   m_blockStart;   // offset of m_block's first byte in the file
    std::uint32_t                   m_blockLength;  // bytes of m_block that hold the file
    std::string                     m_name;         // as last passed to Open; quoted by the loaders
    char*                           m_delimiters;   // owned copy; " \r\t\n" after construction
};
