#pragma once

#include <QDateTime>

/// The source of the current moment. Only systemClock() reads the system clock;
/// everything else asks a Clock it is given, so that tests can pin the time.
class Clock
{
public:
    virtual ~Clock() = default;
    /// The current moment, in UTC.
    virtual QDateTime now() const = 0;
};

/// A clock that stands still until told otherwise.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(QDateTime start);
    /// Sets the moment that now() returns.
    void setNow(const QDateTime &moment);
    /// Moves the clock by msecs milliseconds (negative moves it back).
    void advance(qint64 msecs);
    QDateTime now() const override;

private:
    QDateTime m_now;
};

/// The system's real-time clock, in UTC.
Clock &systemClock();
