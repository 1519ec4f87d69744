#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

struct WebPAnimEncoder;
class QImage;

/// The quality of WebP images and animations when none is given.
inline constexpr int kDefaultWebpQuality = 80;

/// An opaque image as a still, lossy WebP at quality 0 to 100. Empty on
/// failure, with the reason in error.
QByteArray encodeWebp(const QImage &image, int quality, QString *error = nullptr);

/// An animated WebP that loops forever, made with libwebp's animation
/// encoder: frames are added in order and the whole file is assembled at the
/// end.
class WebpAnimation
{
public:
    /// Lossy frames of this size at quality 0 to 100, shown fps a second.
    WebpAnimation(QSize size, int quality, int fps);
    ~WebpAnimation();
    WebpAnimation(const WebpAnimation &) = delete;
    WebpAnimation &operator=(const WebpAnimation &) = delete;

    /// Adds the next frame, an opaque image of the animation's size. False
    /// on failure, with the reason in error().
    bool addFrame(const QImage &frame);
    /// The whole file; empty on failure, with the reason in error().
    QByteArray finish();
    QString error() const { return m_error; }

private:
    WebPAnimEncoder *m_encoder = nullptr;
    QSize m_size;
    int m_quality;
    int m_fps;
    int m_frames = 0;
    QString m_error;
};
