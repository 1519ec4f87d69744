#include "app/TimeLapse.h"

#include "model/MapModel.h"
#include "platform/StopSignals.h"
#include "render/FrameRenderer.h"
#include "render/ImageWriter.h"
#include "render/WebpAnimation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kProgressIntervalMs = 100;

/// One rendered frame: the encoded file, or for an animation the image.
struct Frame
{
    QByteArray file;
    QImage image;
    QString error;
};

/// Frames rendered ahead of writing wait here; workers stay at most `window`
/// frames ahead, so that memory stays bounded however long the run.
struct FrameQueue
{
    std::mutex mutex;
    std::condition_variable changed;
    qint64 nextToRender = 0;
    qint64 nextToWrite = 0;
    qint64 window = 0;
    bool stopping = false;
    std::map<qint64, Frame> done;
};

/// A progress bar on the terminal, redrawn in place: frames done out of all,
/// time elapsed and time left. Silent when stderr is not a terminal.
class ProgressLine
{
public:
    explicit ProgressLine(qint64 total) : m_total(total), m_shown(isatty(STDERR_FILENO))
    {
        m_elapsed.start();
    }

    void update(qint64 done)
    {
        if (!m_shown || (done < m_total && m_lastDrawMs >= 0 &&
                         m_elapsed.elapsed() - m_lastDrawMs < kProgressIntervalMs))
            return;
        m_lastDrawMs = m_elapsed.elapsed();
        constexpr int kBarWidth = 24;
        const int filled = int(done * kBarWidth / m_total);
        const qint64 leftMs = done > 0 ? m_lastDrawMs * (m_total - done) / done : -1;
        const QString line =
            QStringLiteral("\r[%1%2] %3/%4 frames, %5 elapsed, %6 left ")
                .arg(QString(filled, QLatin1Char('#')),
                     QString(kBarWidth - filled, QLatin1Char('.')))
                .arg(done)
                .arg(m_total)
                .arg(clockText(m_lastDrawMs), leftMs < 0 ? QStringLiteral("?") : clockText(leftMs));
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
    }

    /// Ends the bar's line, so that what follows starts on a line of its own.
    void finish()
    {
        if (m_shown && m_lastDrawMs >= 0)
            std::fputs("\n", stderr);
    }

private:
    static QString clockText(qint64 ms)
    {
        const qint64 seconds = ms / 1000;
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }

    qint64 m_total;
    bool m_shown;
    QElapsedTimer m_elapsed;
    qint64 m_lastDrawMs = -1;
};

void renderFrames(const CommandLineOptions &options, const MapModel &model,
                  const Resources &resources, const CustomImages &images, QSize size,
                  FrameQueue &queue)
{
    const CommandLineOptions::TimeLapse &lapse = *options.timeLapse;
    const std::optional<ImageFileFormat> format = options.format;
    FrameRenderer renderer(resources);
    renderer.images().setCustomDayImage(images.day);
    renderer.images().setCustomNightImage(images.night);
    for (;;) {
        qint64 index = 0;
        {
            std::unique_lock lock(queue.mutex);
            queue.changed.wait(lock, [&queue, &lapse] {
                return queue.stopping || queue.nextToRender >= lapse.frameCount ||
                       queue.nextToRender < queue.nextToWrite + queue.window;
            });
            if (queue.stopping || queue.nextToRender >= lapse.frameCount)
                return;
            index = queue.nextToRender++;
        }
        const QDateTime instant = lapse.from.addSecs(index * lapse.stepSeconds);
        const QImage &image = renderer.render(model, size, 1.0, instant);
        Frame frame;
        if (lapse.animation)
            frame.image = image.copy();
        else
            frame.file = encodeImage(image, *format, options.quality, &frame.error);
        std::lock_guard lock(queue.mutex);
        queue.done.emplace(index, std::move(frame));
        queue.changed.notify_all();
    }
}
} // namespace

int runTimeLapse(const CommandLineOptions &options, const MapModel &model,
                 const Resources &resources, const CustomImages &images, QTextStream &err)
{
    const CommandLineOptions::TimeLapse &lapse = *options.timeLapse;
    const QString &path = options.outputPath;
    const QSize size = options.mapSize();

    StopSignals::install();
    const int threads = std::max(1, QThread::idealThreadCount());
    FrameQueue queue;
    queue.window = 2 * qint64(threads);
    std::vector<std::thread> workers;
    for (int i = 0; i < threads; ++i)
        workers.emplace_back([&] { renderFrames(options, model, resources, images, size, queue); });

    std::optional<WebpAnimation> animation;
    if (lapse.animation)
        animation.emplace(size, options.quality.value_or(kDefaultWebpQuality), lapse.fps);
    ProgressLine progress(lapse.frameCount);
    QString failure;
    qint64 written = 0;
    while (written < lapse.frameCount && failure.isEmpty()) {
        Frame frame;
        {
            std::unique_lock lock(queue.mutex);
            while (!queue.done.count(written) && !StopSignals::requested())
                queue.changed.wait_for(lock, std::chrono::milliseconds(kProgressIntervalMs));
            if (StopSignals::requested())
                break;
            frame = std::move(queue.done[written]);
            queue.done.erase(written);
            queue.nextToWrite = written + 1;
            queue.changed.notify_all();
        }
        const QString name = lapse.animation ? path : frameFileName(path, written);
        if (!frame.error.isEmpty())
            failure = QStringLiteral("cannot write \"%1\": %2").arg(name, frame.error);
        else if (animation && !animation->addFrame(frame.image))
            failure = QStringLiteral("cannot write \"%1\": %2").arg(name, animation->error());
        else if (!animation) {
            const QString reason = writeFileAtomically(name, frame.file);
            if (!reason.isEmpty())
                failure = QStringLiteral("cannot write \"%1\": %2").arg(name, reason);
        }
        if (failure.isEmpty())
            progress.update(++written);
    }
    {
        std::lock_guard lock(queue.mutex);
        queue.stopping = true;
        queue.changed.notify_all();
    }
    for (std::thread &worker : workers)
        worker.join();
    progress.finish();

    const bool stopped = failure.isEmpty() && written < lapse.frameCount;
    if (animation && failure.isEmpty() && !stopped) {
        const QByteArray bytes = animation->finish();
        const QString reason =
            bytes.isEmpty() ? animation->error() : writeFileAtomically(path, bytes);
        if (!reason.isEmpty())
            failure = QStringLiteral("cannot write \"%1\": %2").arg(path, reason);
    }
    const qint64 filesWritten = animation ? 0 : written;
    if (stopped)
        failure = QStringLiteral("stopped");
    if (failure.isEmpty())
        return 0;
    if (animation)
        err << "duskmap: " << failure << "; the animation was not written\n";
    else
        err << "duskmap: " << failure << "; " << filesWritten << " of " << lapse.frameCount
            << " frames written\n";
    return kExitFailed;
}
