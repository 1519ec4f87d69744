#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

/// A file of the user's that the window shows what it holds of, read again
/// whenever it changes: satellites' elements, a map of clouds. Reads in the
/// background and replaces what it holds only when a read is done, in one
/// step, so that a frame never sees half a file. Watches the folder too, so
/// that an editor that saves by writing a new file and renaming it over the
/// old one is followed.
class WatchedFile : public QObject
{
    Q_OBJECT

public:
    /// What one read gives: the value, null when nothing could be used, and a
    /// line to show the user, empty when all went well.
    struct Read
    {
        std::shared_ptr<const void> value;
        QString message;
    };
    /// Reads a file; called on a worker thread, so it must touch nothing shared.
    using Reader = std::function<Read(const QString &path)>;

    explicit WatchedFile(Reader reader, QObject *parent = nullptr);
    ~WatchedFile() override;

    /// Watches and reads another file; an empty path holds nothing.
    void setPath(const QString &path);
    QString path() const { return m_path; }

    /// What the last finished read gave, as the reader's type.
    template <typename T> std::shared_ptr<const T> value() const
    {
        return std::static_pointer_cast<const T>(m_value);
    }
    QString message() const { return m_message; }
    /// The file's modification time when it was last read; invalid when none.
    QDateTime modified() const { return m_modified; }

signals:
    /// A read finished: the value, the message or both may be new.
    void changed();

private:
    void watch();
    void readAgain();
    void startRead();

    Reader m_reader;
    QString m_path;
    QFileSystemWatcher m_watcher;
    /// Several changes in a row, as a save makes, are read once.
    QTimer m_settle;
    QPointer<QThread> m_reading;
    quint64 m_generation = 0;
    /// The file changed, or another was chosen, during the read under way.
    bool m_readPending = false;
    std::shared_ptr<const void> m_value;
    QString m_message;
    QDateTime m_modified;
};
