#include "platform/WatchedFile.h"

#include <QFileInfo>

namespace {
// Long enough for an editor's write, rename and touch to land as one change.
constexpr int kSettleMs = 200;
} // namespace

WatchedFile::WatchedFile(Reader reader, QObject *parent)
    : QObject(parent), m_reader(std::move(reader))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &WatchedFile::readAgain);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        // Only a change to the file itself: a folder of downloads changes often.
        if (QFileInfo(m_path).lastModified() != m_modified || !m_watcher.files().contains(m_path))
            m_settle.start();
    });
}

WatchedFile::~WatchedFile()
{
    // The read holds only its own copies; it is let finish rather than cut.
    if (m_reading)
        m_reading->wait();
}

void WatchedFile::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    readAgain();
}

void WatchedFile::watch()
{
    // A file renamed over drops out of the watch; it is watched again here.
    if (m_path.isEmpty())
        return;
    const QFileInfo info(m_path);
    if (info.exists() && !m_watcher.files().contains(m_path))
        m_watcher.addPath(m_path);
    if (const QString folder = info.absolutePath(); !m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
}

void WatchedFile::readAgain()
{
    ++m_generation;
    watch();
    if (m_path.isEmpty()) {
        m_readPending = false;
        m_value.reset();
        m_message.clear();
        m_modified = {};
        emit changed();
        return;
    }
    // One read at a time, and never waited for: a large image takes longer
    // to decode than a frame lasts. A change during a read is read after it.
    if (m_reading) {
        m_readPending = true;
        return;
    }
    startRead();
}

void WatchedFile::startRead()
{
    struct Done
    {
        Read read;
        QDateTime modified;
    };
    auto done = std::make_shared<Done>();
    QThread *thread = QThread::create([reader = m_reader, path = m_path, done] {
        done->modified = QFileInfo(path).lastModified();
        done->read = reader(path);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, done, generation = m_generation] {
        m_reading = nullptr;
        if (std::exchange(m_readPending, false)) {
            startRead(); // the file changed meanwhile: its newest state replaces this one
            return;
        }
        if (generation != m_generation)
            return; // emptied meanwhile
        m_value = std::move(done->read.value);
        m_message = done->read.message;
        m_modified = done->modified;
        watch();
        emit changed();
    });
    m_reading = thread;
    thread->start();
}
