#include "engine/Deadline.h"

#include <unistd.h>

#include <csignal>

#include "engine/Log.h"

namespace
{

std::string g_logLines;                     // prepared for the engine log, its end included
std::string g_errorLine;                    // prepared for standard error
int         g_exitCode = 1;              // what the program ends with when the time passes

extern "C" void OnDeadline(int)
{
    g_engineLog.WriteNow(g_logLines);
    const ssize_t written = write(STDERR_FILENO, g_errorLine.data(), g_errorLine.size());
    static_cast<void>(written);
    _exit(g_exitCode);
}

} // namespace

void SetDeadline(unsigned seconds, const std::string& logLines, const std::string& errorLine, int exitCode)
{
    g_logLines = logLines;
    g_errorLine = errorLine;
    g_exitCode = exitCode;
    struct sigaction action = {};
    action.sa_handler = OnDeadline;
    sigemptyset(&action.sa_mask);
    sigaction(SIGALRM, &action, nullptr);
    alarm(seconds);
}

void ClearDeadline()
{
    alarm(0);
}
