#pragma once

#include <QObject>
#include <QTimer>

class Clock;
class QSocketNotifier;

/// Signals just after each whole second of a clock. One single-shot timer is
/// set for the next second at every tick, and again at once when the system
/// clock is set or the machine wakes from suspend, so that a clock showing
/// seconds changes with them and the program wakes once a second.
class SecondTimer : public QObject
{
    Q_OBJECT

public:
    explicit SecondTimer(const Clock &clock, QObject *parent = nullptr);
    ~SecondTimer() override;

    void start();
    void stop();

signals:
    void tick();

private:
    void arm();
    void watchClockChanges();
    void clockChanged();

    const Clock &m_clock;
    QTimer m_timer;
    int m_clockChangeFd = -1;
    QSocketNotifier *m_clockChangeNotifier = nullptr;
};
