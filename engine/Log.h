#pragma once

// Index of this file:
//   LogLevel - how grave a message is
//   CLog     - one log file
//   The logs - the engine's and the game's

#include <cstdint>
#include <fstream>
#include <string>

//------------------------------------------------------------------ LogLevel

// How grave a message is: the HTML log colours warnings and errors, the text log prefixes them.
enum LogLevel
{
    Message = 1,
    Warning = 2,
    Error   = 3
};

//------------------------------------------------------------------ CLog

// One log file. A message is built from pieces and written as one line, and
// flushed, when it is committed, so the file is whole up to the last commit
// even if the program dies. The HTML kind colours warnings and errors and
// turns line feeds and tabs into markup; the text kind prefixes them.
class CLog
{
public:
    // The file's format, fixed when the log is made.
    enum Kind
    {
        Html,                               // a page: coloured lines, line feeds and tabs as markup
        Text                                // plain lines, warnings and errors prefixed
    };

    explicit CLog(Kind kind);               // writes nothing until Open
    ~CLog();                                // closes the file, ending the HTML page

    void Open(const char* fileName);        // starts the file afresh; one that cannot be opened leaves the log silent
    void SetLevel(int level);               // a LogLevel; the grade of the message being built

    // Pieces appended to the message being built; nothing is written before Commit.
    CLog& operator<<(const char* text);
    CLog& operator<<(const std::string& text);
    CLog& operator<<(std::int32_t number);
    CLog& operator<<(std::uint32_t number);

    void Commit();                          // writes and flushes the message as one line, then starts the next

    // For a program that must end inside a signal handler, where the stream
    // cannot be used: a message as Commit would write it, line end included,
    // and the closing lines that the destructor would add; prepared before
    // the handler runs, then appended with WriteNow.
    std::string Formatted(int level, const std::string& text) const;
    std::string Closing() const;            // what the destructor appends; "" for the text kind
    void        WriteNow(const std::string& bytes) const;   // one write(2) to the file; safe in a signal handler

private:
    std::ofstream m_stream;                 // not open until Open succeeds
    std::string   m_path;                   // the file last opened, for WriteNow
    int           m_level;                  // LogLevel of the message being built
    bool          m_enabled;                // pieces are collected only while set
    std::string   m_pending;                // the message being built
    const Kind    m_kind;                   // decides the head, tail and line format
};

//------------------------------------------------------------------ The logs

extern CLog g_engineLog;                    // "log_engine.html"
extern CLog g_generalLog;                   // "log_general.log"
