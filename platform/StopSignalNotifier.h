#pragma once

#include <QObject>

class QSocketNotifier;

/// SIGINT and SIGTERM delivered through the event loop, by StopSignals' own
/// wake-up pipe, so that a session's logout or a Ctrl+C in the terminal ends
/// the program the way its own Quit does. One at a time: its destructor gives
/// the signals their default back.
class StopSignalNotifier : public QObject
{
    Q_OBJECT

public:
    /// From now on SIGINT and SIGTERM emit stopRequested() instead of ending
    /// the process; where no pipe can be had they keep their default.
    explicit StopSignalNotifier(QObject *parent = nullptr);
    ~StopSignalNotifier() override;

signals:
    void stopRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};
