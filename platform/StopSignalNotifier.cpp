#include "platform/StopSignalNotifier.h"

#include "platform/Log.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
// The handler may only write to a pipe; the event loop reads the other end.
int g_pipe[2] = {-1, -1};

extern "C" void notifyStop(int)
{
    const int savedErrno = errno;
    // A full pipe already holds a wake-up: nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], "", 1);
    errno = savedErrno;
}

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

StopSignalNotifier::StopSignalNotifier(QObject *parent) : QObject(parent)
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        logWarning(QStringLiteral("SIGINT and SIGTERM will end Duskmap at once: %1")
                       .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
        }
        emit stopRequested();
    });
    setHandler(notifyStop);
}

StopSignalNotifier::~StopSignalNotifier()
{
    if (!m_notifier)
        return;
    setHandler(SIG_DFL);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}
