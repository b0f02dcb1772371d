#include "engine/StopSignals.h"

#include <unistd.h>

#include <csignal>
#include <string>

#include "engine/Log.h"

namespace
{

struct StopSignal
{
    int         number;                     // the signal
    const char* name;                       // as a person calls it
    std::string lastWords;                  // the engine log's line for a second one, with the log's end
};

StopSignal g_stopSignals[] = {{SIGINT, "interrupt", ""}, {SIGTERM, "terminate", ""}, {SIGHUP, "hang-up", ""}};

volatile std::sig_atomic_t g_stopSignalled = 0;

extern "C" void OnStopSignal(int number)
{
    if (!g_stopSignalled)
    {
        g_stopSignalled = 1;
        return;
    }
    for (const StopSignal& signal : g_stopSignals)
        if (signal.number == number)
            g_engineLog.WriteNow(signal.lastWords);
    _exit(128 + number);
}

} // namespace

// The lines are made here, where memory may be taken; the handler only writes them.
void CatchStopSignals()
{
    for (StopSignal& signal : g_stopSignals)
    {
        const int code = 128 + signal.number;
        signal.lastWords = g_engineLog.Formatted(Error, std::string("A second ") + signal.name +
                                                            " signal came before the first had ended the program: "
                                                            "ending at once with exit code " +
                                                            std::to_string(code)) +
                           g_engineLog.Closing();
    }
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (const StopSignal& signal : g_stopSignals)
        sigaddset(&action.sa_mask, signal.number);
    for (const StopSignal& signal : g_stopSignals)
        sigaction(signal.number, &action, nullptr);
}

bool StopSignalled()
{
    return g_stopSignalled != 0;
}
