#include "app/platform/Log.h"

#include <QApplication>
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
