#include "platform/Clock.h"

#include <utility>

namespace {

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
};

} // namespace

ManualClock::ManualClock(QDateTime start) : m_now(std::move(start)) {}

void ManualClock::setNow(const QDateTime &moment)
{
    m_now = moment;
}

void ManualClock::advance(qint64 msecs)
{
    m_now = m_now.addMSecs(msecs);
}

QDateTime ManualClock::now() const
{
    return m_now;
}

Clock &systemClock()
{
    static SystemClock clock;
    return clock;
}
