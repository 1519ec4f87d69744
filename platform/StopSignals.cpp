#include "platform/StopSignals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {
std::atomic<bool> g_stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");
// A pipe the handler writes to, so that a sleep can wait for the request
// without missing one that arrives just before it starts.
int g_wakeUp[2] = {-1, -1};

extern "C" void requestStop(int)
{
    g_stopRequested.store(true);
    const int savedErrno = errno;
    if (g_wakeUp[1] >= 0 && write(g_wakeUp[1], "", 1) < 0) {
        // Full already: the sleep wakes up all the same.
    }
    errno = savedErrno;
}
} // namespace

namespace StopSignals {

namespace {
void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
} // namespace

void install()
{
    if (g_wakeUp[0] < 0 && pipe2(g_wakeUp, O_CLOEXEC | O_NONBLOCK) != 0)
        g_wakeUp[0] = g_wakeUp[1] = -1;
    setHandler(requestStop);
}

void uninstall()
{
    setHandler(SIG_DFL);
}

int wakeUpDescriptor()
{
    return g_wakeUp[0];
}

bool requested()
{
    return g_stopRequested.load();
}

bool waitFor(int msecs)
{
    if (requested())
        return true;
    pollfd wakeUp = {g_wakeUp[0], POLLIN, 0};
    poll(&wakeUp, g_wakeUp[0] >= 0 ? 1 : 0, msecs);
    return requested();
}

} // namespace StopSignals
