#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

/// Collects the warnings and infos logged while it lives, so that a test can count
/// them exactly; restores the previous message handler when it goes.
class MessageLog
{
public:
    MessageLog() : m_previous(qInstallMessageHandler(&MessageLog::handle)) { s_active = this; }
    ~MessageLog()
    {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    Q_DISABLE_COPY(MessageLog)

    QList<QString> warnings() const { return m_messages[QtWarningMsg]; }
    QList<QString> infos() const { return m_messages[QtInfoMsg]; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (s_active && (type == QtWarningMsg || type == QtInfoMsg))
            s_active->m_messages[type].append(message);
    }

    static inline MessageLog *s_active = nullptr;
    QtMessageHandler m_previous;
    QList<QString> m_messages[QtInfoMsg + 1];
};
