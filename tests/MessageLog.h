#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

/// Collects the messages logged while it lives, so that a test can count warnings
/// exactly; installs itself as Qt's message handler and restores the previous one.
class MessageLog
{
public:
    MessageLog() : m_previous(qInstallMessageHandler(&MessageLog::handle)) { active() = this; }
    ~MessageLog()
    {
        qInstallMessageHandler(m_previous);
        active() = nullptr;
    }
    Q_DISABLE_COPY(MessageLog)

    QList<QString> warnings() const { return m_messages[QtWarningMsg]; }
    QList<QString> infos() const { return m_messages[QtInfoMsg]; }

private:
    static MessageLog *&active()
    {
        static MessageLog *log = nullptr;
        return log;
    }
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (active() && (type == QtWarningMsg || type == QtInfoMsg))
            active()->m_messages[type].append(message);
    }

    QtMessageHandler m_previous;
    QList<QString> m_messages[QtInfoMsg + 1];
};
