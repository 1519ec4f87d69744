#include "platform/Log.h"

#include <QApplication>
#include <QMutex>
#include <QSet>
#include <QtGlobal>

void logWarning(const QString &message)
{
    qWarning().noquote() << message;
}

void logWarningOnce(const QString &message)
{
    // Faults come from a handful of resources; the bound only guards against a
    // caller that builds a new message each time.
    constexpr qsizetype kMaxRemembered = 1024;
    static QSet<QString> logged;
    // The renderers of a time-lapse report from their own threads.
    static QMutex mutex;
    const QMutexLocker lock(&mutex);
    if (logged.contains(message))
        return;
    if (logged.size() < kMaxRemembered)
        logged.insert(message);
    logWarning(message);
}

void logLine(const QString &message)
{
    qInfo().noquote() << message;
}

void beep()
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::beep();
}
