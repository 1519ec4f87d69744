#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QString>

#include <optional>

class QEventLoop;

/// Shows an image file as the desktop's background: through the XDG desktop
/// portal on the session bus, or where no portal answers, through GNOME's
/// background settings.
class DesktopWallpaper : public QObject
{
    Q_OBJECT

public:
    /// Shows the image file at path. Empty on success, else one line that
    /// says what could not be done.
    QString show(const QString &path);
    /// How the last image shown was set, in plain words: "the desktop
    /// portal" or "GNOME's background settings".
    QString shownThrough() const { return m_shownThrough; }

private slots:
    void takeResponse(const QDBusMessage &response);

private:
    /// Empty when the portal has set the background, else why not.
    QString showThroughPortal(const QString &uri);
    static QString showThroughGnome(const QString &uri);
    void watchRequest(const QString &handle, bool watch);

    QString m_shownThrough;
    int m_requests = 0;
    std::optional<uint> m_response;
    QEventLoop *m_waiting = nullptr;
};
