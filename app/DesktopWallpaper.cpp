#include "app/DesktopWallpaper.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

namespace {
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
// Time for a portal that the bus starts on demand; setting the background asks
// the user nothing.
constexpr int kPortalTimeoutMs = 20000;
constexpr int kGsettingsTimeoutMs = 10000;
} // namespace

QString DesktopWallpaper::show(const QString &path)
{
    // Encoded in full, "'" too, so that gsettings prints it back as it is.
    const QString uri = QUrl::fromLocalFile(path)
                            .toString(QUrl::FullyEncoded)
                            .replace(QLatin1Char('\''), QStringLiteral("%27"));
    const QString portal = showThroughPortal(uri);
    if (portal.isEmpty()) {
        m_shownThrough = QStringLiteral("the desktop portal");
        return {};
    }
    const QString gnome = showThroughGnome(uri);
    if (gnome.isEmpty()) {
        m_shownThrough = QStringLiteral("GNOME's background settings");
        return {};
    }
    return QStringLiteral("cannot set the desktop background: the desktop portal %1, and GNOME's "
                          "background %2; instead, run duskmap --snapshot FILE --every 10m and "
                          "point your desktop's background setting at FILE")
        .arg(portal, gnome);
}

void DesktopWallpaper::takeResponse(const QDBusMessage &response)
{
    bool ok = false;
    const uint code = response.arguments().value(0).toUInt(&ok);
    m_response = ok ? code : 2; // 2 stands for "other error" in the portal's own terms
    if (m_waiting)
        m_waiting->quit();
}

void DesktopWallpaper::watchRequest(const QString &handle, bool watch)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString interface = QStringLiteral("org.freedesktop.portal.Request");
    const QString signal = QStringLiteral("Response");
    // From any sender: a portal started by this very call may not yet be
    // known as the owner of its name when it answers. The handle holds our
    // own name and token.
    if (watch)
        bus.connect(QString(), handle, interface, signal, this, SLOT(takeResponse(QDBusMessage)));
    else
        bus.disconnect(QString(), handle, interface, signal, this,
                       SLOT(takeResponse(QDBusMessage)));
}

QString DesktopWallpaper::showThroughPortal(const QString &uri)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return QStringLiteral("cannot be reached without a desktop session (no session bus)");
    // The request's path follows from a token of ours: the response is watched
    // for before the call, so that it cannot slip by.
    const QString token = QStringLiteral("duskmap%1").arg(++m_requests);
    QString handle = kPortalPath + QStringLiteral("/request/") +
                     bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')) +
                     QLatin1Char('/') + token;
    m_response.reset();
    watchRequest(handle, true);
    QDBusMessage call = QDBusMessage::createMethodCall(
        kPortalService, kPortalPath, QStringLiteral("org.freedesktop.portal.Wallpaper"),
        QStringLiteral("SetWallpaperURI"));
    call << QString() << uri
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("show-preview"), false},
                        {QStringLiteral("set-on"), QStringLiteral("background")}};
    const QDBusMessage reply = bus.call(call, QDBus::Block, kPortalTimeoutMs);
    QString failure;
    if (reply.type() != QDBusMessage::ReplyMessage) {
        failure = QStringLiteral("did not answer (%1)").arg(reply.errorMessage().simplified());
    } else {
        const QString returned = qdbus_cast<QDBusObjectPath>(reply.arguments().value(0)).path();
        if (returned != handle) {
            // A portal older than request tokens chooses the path itself.
            watchRequest(handle, false);
            handle = returned;
            watchRequest(handle, true);
        }
        if (!m_response) {
            QEventLoop waiting;
            QTimer::singleShot(kPortalTimeoutMs, &waiting, &QEventLoop::quit);
            m_waiting = &waiting;
            waiting.exec();
            m_waiting = nullptr;
        }
        if (!m_response)
            failure = QStringLiteral("gave no response in %1 s").arg(kPortalTimeoutMs / 1000);
        else if (*m_response != 0)
            failure = QStringLiteral("refused (response %1)").arg(*m_response);
    }
    watchRequest(handle, false);
    return failure;
}

QString DesktopWallpaper::showThroughGnome(const QString &uri)
{
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty())
        return QStringLiteral("cannot be set: gsettings is not installed");
    QString failure;
    // What gsettings prints, or nothing when it fails, with the reason in failure.
    const auto run = [&](const char *verb, const char *key, const QString &value = {}) {
        QStringList arguments{QLatin1String(verb), QStringLiteral("org.gnome.desktop.background"),
                              QLatin1String(key)};
        if (!value.isEmpty())
            arguments << value;
        QProcess process;
        process.start(gsettings, arguments);
        if (process.waitForFinished(kGsettingsTimeoutMs) &&
            process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            return std::optional(QString::fromUtf8(process.readAllStandardOutput()).trimmed());
        process.kill();
        process.waitForFinished();
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).simplified();
        failure = QStringLiteral("cannot be set: gsettings %1 %2 failed (%3)")
                      .arg(QLatin1String(verb), QLatin1String(key),
                           !said.isEmpty() ? said
                           : process.error() == QProcess::UnknownError
                               ? QStringLiteral("exit status %1").arg(process.exitCode())
                               : process.errorString());
        return std::optional<QString>();
    };
    if (!run("set", "picture-uri", uri) || !run("set", "picture-uri-dark", uri))
        return failure;
    // Without a settings store it can reach, such as dconf without a session
    // bus, gsettings forgets what it was told and still succeeds.
    const std::optional<QString> kept = run("get", "picture-uri");
    if (!kept)
        return failure;
    if (*kept != QLatin1Char('\'') + uri + QLatin1Char('\''))
        return QStringLiteral("cannot be set: its settings are not kept outside a GNOME session");
    return {};
}
