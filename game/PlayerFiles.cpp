#include "game/PlayerFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/Log.h"

namespace
{

const int kMaxAsideNames = 1000;            // numbered names tried for a refused file
const char* const kUnfinished = ".new-";    // marks a write's temporary file, before the writer's number
const std::size_t kMaxKeptFile = 4096;      // bytes; the settings and the results hold a few short lines

// A path only counts when it is absolute, as the XDG base directory rules say.
std::string AbsoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : "";
}

// Desktop programs fall back on the password entry's home when HOME is unset.
std::string HomeFolder()
{
    const std::string home = AbsoluteVariable("HOME");
    if (!home.empty())
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir && entry->pw_dir[0] == '/' ? entry->pw_dir : "";
}

bool MakeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1))
    {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

bool WriteAll(int descriptor, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size())
    {
        const ssize_t count = write(descriptor, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

// The rename is only on the disk once the folder itself is flushed.
void FlushFolder(const std::string& path)
{
    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    fsync(folder);
    close(folder);
}

std::string AsideName(const std::string& path)
{
    struct stat status;
    for (int number = 1; number <= kMaxAsideNames; ++number)
    {
        const std::string name = path + ".refused" + (number == 1 ? "" : "-" + std::to_string(number));
        if (lstat(name.c_str(), &status) != 0 && errno == ENOENT)
            return name;
    }
    return "";
}

} // namespace

std::string PlayerFolderPath(PlayerFolder folder)
{
    static const char* const variables[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"};
    static const char* const defaults[] = {"/.config", "/.local/share", "/.local/state"};
    std::string base = AbsoluteVariable(variables[folder]);
    if (base.empty())
    {
        const std::string home = HomeFolder();
        if (home.empty())
            return "";
        base = home + defaults[folder];
    }
    const std::string path = base + "/valdmoor";
    return MakeFolders(path) ? path : "";
}

// O_NONBLOCK keeps a FIFO in the file's place from blocking the open.
ReadResult ReadPlayerFile(const std::string& path, std::size_t limit, std::string& text, std::string& error)
{
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0 && errno == ENOENT)
        return FileMissing;
    if (descriptor < 0)
    {
        error = std::string("cannot be opened (") + std::strerror(errno) + ")";
        return FileRefused;
    }
    struct stat status;
    ReadResult result = FileRefused;
    if (fstat(descriptor, &status) != 0)
        error = std::string("cannot be examined (") + std::strerror(errno) + ")";
    else if (!S_ISREG(status.st_mode))
        error = "not a regular file";
    else if (static_cast<unsigned long long>(status.st_size) > limit)
        error = "larger than " + std::to_string(limit) + " bytes, far more than it can hold";
    else
    {
        text.assign(static_cast<std::size_t>(status.st_size), '\0');
        std::size_t done = 0;
        while (done < text.size())
        {
            const ssize_t count = read(descriptor, &text[done], text.size() - done);
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                break;
            done += static_cast<std::size_t>(count);
        }
        text.resize(done);
        result = FileRead;
    }
    close(descriptor);
    return result;
}

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error)
{
    const std::string temporary = path + kUnfinished + std::to_string(getpid());
    const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (descriptor < 0)
    {
        error = std::strerror(errno);
        return false;
    }
    bool written = WriteAll(descriptor, text) && fsync(descriptor) == 0;
    const int writeError = errno;
    written = close(descriptor) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        error = std::strerror(written ? errno : writeError);
        unlink(temporary.c_str());
        return false;
    }
    FlushFolder(path);
    return true;
}

void RemoveUnfinishedWrites(const std::string& folder)
{
    DIR* directory = opendir(folder.c_str());
    if (!directory)
        return;
    while (const dirent* entry = readdir(directory))
    {
        const char* mark = std::strstr(entry->d_name, kUnfinished);
        if (!mark)
            continue;
        // A writer still running (a second copy of the program) keeps its file.
        const long writer = std::strtol(mark + std::strlen(kUnfinished), nullptr, 10);
        if (writer <= 0 || (kill(static_cast<pid_t>(writer), 0) != 0 && errno == ESRCH))
            unlink((folder + "/" + entry->d_name).c_str());
    }
    closedir(directory);
}

bool LoadKeptFile(const std::string& path, const char* kind, const KeptFileParser& parse, std::string& message)
{
    std::string text;
    std::string cause;
    const ReadResult read = ReadPlayerFile(path, kMaxKeptFile, text, cause);
    if (read == FileMissing)
        return true;
    int line = 0;
    if (read == FileRead)
    {
        std::istringstream stream(text);
        std::vector<std::string> lines;
        for (std::string content; std::getline(stream, content);)
        {
            if (!content.empty() && content.back() == '\r')
                content.pop_back();
            lines.push_back(content);
        }
        const std::string header = std::string(kind) + " 1";
        line = 1;
        if (lines.empty())
            cause = "empty";
        else if (lines[0] != header)
            cause = lines[0].rfind(std::string(kind) + " ", 0) == 0 ? "written by a newer Valdmoor"
                                                                   : "not a file of Valdmoor's (" + header + ")";
        else if (parse(std::vector<std::string>(lines.begin() + 1, lines.end()), line, cause))
            return true;
    }
    message = RefusePlayerFile(path, line, cause);
    return false;
}

bool ReadWholeNumber(std::istringstream& words, int lowest, int highest, int& value)
{
    std::string word;
    if (!(words >> word) || word.size() > 9 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(word);
    return value >= lowest && value <= highest;
}

std::string RefusePlayerFile(const std::string& path, int line, const std::string& cause)
{
    std::string sentence = path + (line > 0 ? ", line " + std::to_string(line) : std::string()) + ": " + cause;
    const std::string aside = AsideName(path);
    if (!aside.empty() && std::rename(path.c_str(), aside.c_str()) == 0)
        sentence += "; kept as " + aside;
    LogRefusedFile(sentence);
    return sentence;
}

void LogRefusedFile(const std::string& sentence)
{
    g_generalLog.SetLevel(Error);
    g_generalLog << sentence;
    g_generalLog.Commit();
}

void LogFileTrouble(const std::string& path, const std::string& cause)
{
    g_generalLog.SetLevel(Error);
    g_generalLog << path << ": " << cause;
    g_generalLog.Commit();
}
