#include "platform/SecondTimer.h"

#include "platform/Clock.h"

#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>

namespace {
// How long after the second the timer is set for: timers may fire a
// millisecond early, and a tick before the second shows nothing new.
constexpr int kAfterSecondMs = 2;
} // namespace

SecondTimer::SecondTimer(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{
    m_timer.setParent(this); // found by the window's tests
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        arm();
        emit tick();
    });
}

SecondTimer::~SecondTimer()
{
    if (m_clockChangeFd >= 0)
        ::close(m_clockChangeFd);
}

void SecondTimer::start()
{
    arm();
    watchClockChanges();
}

void SecondTimer::stop()
{
    m_timer.stop();
    if (m_clockChangeNotifier)
        m_clockChangeNotifier->setEnabled(false);
}

void SecondTimer::arm()
{
    const qint64 ms = m_clock.now().toMSecsSinceEpoch();
    const qint64 intoSecond = ((ms % 1000) + 1000) % 1000;
    m_timer.start(int(1000 - intoSecond) + kAfterSecondMs);
}

void SecondTimer::watchClockChanges()
{
    // A timer on the real-time clock that never expires but is cancelled,
    // waking its reader, whenever that clock is set: by hand, by NTP stepping
    // it, or on resume from suspend.
    if (m_clockChangeFd < 0) {
        m_clockChangeFd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (m_clockChangeFd < 0)
            return; // without it the next tick still puts the timer right
        m_clockChangeNotifier = new QSocketNotifier(m_clockChangeFd, QSocketNotifier::Read, this);
        connect(m_clockChangeNotifier, &QSocketNotifier::activated, this,
                &SecondTimer::clockChanged);
    }
    itimerspec never{};
    never.it_value.tv_sec = time_t(1) << 33; // the year 2242: in effect never
    ::timerfd_settime(m_clockChangeFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never,
                      nullptr);
    m_clockChangeNotifier->setEnabled(true);
}

void SecondTimer::clockChanged()
{
    uint64_t expirations = 0;
    [[maybe_unused]] const ssize_t n = ::read(m_clockChangeFd, &expirations, sizeof expirations);
    watchClockChanges();
    arm();
    emit tick();
}
