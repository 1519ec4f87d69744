#include "platform/StopSignals.h"

#include <atomic>
#include <csignal>

namespace {
std::atomic<bool> g_stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void requestStop(int)
{
    g_stopRequested.store(true);
}
} // namespace

namespace StopSignals {

void install()
{
    struct sigaction action = {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool requested()
{
    return g_stopRequested.load();
}

} // namespace StopSignals
