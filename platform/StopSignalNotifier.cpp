#include "platform/StopSignalNotifier.h"

#include "platform/Log.h"
#include "platform/StopSignals.h"

#include <QSocketNotifier>

#include <unistd.h>

StopSignalNotifier::StopSignalNotifier(QObject *parent) : QObject(parent)
{
    StopSignals::install();
    const int wakeUp = StopSignals::wakeUpDescriptor();
    if (wakeUp < 0) {
        StopSignals::uninstall();
        logWarning(QStringLiteral("SIGINT and SIGTERM will end Duskmap at once: no pipe"));
        return;
    }
    m_notifier = new QSocketNotifier(wakeUp, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this, wakeUp] {
        char bytes[16];
        while (::read(wakeUp, bytes, sizeof bytes) > 0) {
        }
        emit stopRequested();
    });
}

StopSignalNotifier::~StopSignalNotifier()
{
    if (m_notifier)
        StopSignals::uninstall();
}
