#include "platform/Log.h"

#include <QApplication>
#include <QSet>
#include <QtGlobal>

#include <utility>

namespace {

std::function<void()> &beepHandler()
{
    static std::function<void()> handler;
    return handler;
}

} // namespace

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
    if (const auto &handler = beepHandler()) {
        handler();
        return;
    }
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::beep();
}

std::function<void()> setBeepHandler(std::function<void()> handler)
{
    return std::exchange(beepHandler(), std::move(handler));
}
