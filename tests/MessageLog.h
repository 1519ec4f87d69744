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
    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

    QList<QString> warnings() const { return m_warnings; }
    QList<QString> infos() const { return m_infos; }

private:
    static MessageLog *&active()
    {
        static MessageLog *log = nullptr;
        return log;
    }
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (MessageLog *log = active()) {
            if (type == QtWarningMsg)
                log->m_warnings.append(message);
            else if (type == QtInfoMsg)
                log->m_infos.append(message);
        }
    }

    QtMessageHandler m_previous;
    QList<QString> m_warnings;
    QList<QString> m_infos;
};
