#include "engine/StopSignals.h"

#include <csignal>
#include <initializer_list>

namespace
{

volatile std::sig_atomic_t g_stopSignalled = 0;

// A second signal while the program shuts down only raises the flag again.
extern "C" void OnStopSignal(int)
{
    g_stopSignalled = 1;
}

} // namespace

void CatchStopSignals()
{
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool StopSignalled()
{
    return g_stopSignalled != 0;
}
