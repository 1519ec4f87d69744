#include "render/WebpAnimation.h"

#include <QImage>

#include <webp/encode.h>
#include <webp/mux.h>

namespace {
int timestampMs(int frame, int fps)
{
    return int(qint64(frame) * 1000 / fps);
}
} // namespace

WebpAnimation::WebpAnimation(QSize size, int quality, int fps)
    : m_size(size), m_quality(quality), m_fps(fps)
{
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options)) {
        m_error = QStringLiteral("libwebp does not match the version built against");
        return;
    }
    options.anim_params.loop_count = 0; // forever
    m_encoder = WebPAnimEncoderNew(size.width(), size.height(), &options);
    if (!m_encoder)
        m_error = QStringLiteral("libwebp cannot make an animation of %1x%2")
                      .arg(size.width())
                      .arg(size.height());
}

WebpAnimation::~WebpAnimation()
{
    if (m_encoder)
        WebPAnimEncoderDelete(m_encoder);
}

bool WebpAnimation::addFrame(const QImage &frame)
{
    if (!m_encoder)
        return false;
    WebPConfig config;
    if (!WebPConfigInit(&config)) {
        m_error = QStringLiteral("libwebp does not match the version built against");
        return false;
    }
    config.quality = float(m_quality);
    config.thread_level = 1;
    WebPPicture picture;
    WebPPictureInit(&picture);
    picture.use_argb = 1;
    picture.width = m_size.width();
    picture.height = m_size.height();
    // QImage's 32-bit formats are B, G, R, A in memory on this platform.
    // Opaque 32-bit frames are imported where they are; their bytes are B, G,
    // R, A whether premultiplied or not.
    const bool direct = frame.format() == QImage::Format_RGB32 ||
                        frame.format() == QImage::Format_ARGB32 ||
                        frame.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage image = direct ? frame : frame.convertToFormat(QImage::Format_ARGB32);
    bool ok = image.size() == m_size &&
              WebPPictureImportBGRA(&picture, image.constBits(), int(image.bytesPerLine()));
    ok = ok && WebPAnimEncoderAdd(m_encoder, &picture, timestampMs(m_frames, m_fps), &config);
    WebPPictureFree(&picture);
    if (!ok) {
        m_error = QStringLiteral("libwebp cannot encode frame %1: %2")
                      .arg(m_frames)
                      .arg(QString::fromUtf8(WebPAnimEncoderGetError(m_encoder)));
        return false;
    }
    ++m_frames;
    return true;
}

QByteArray WebpAnimation::finish()
{
    if (!m_encoder)
        return {};
    // A last empty frame gives the last real one its duration.
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAdd(m_encoder, nullptr, timestampMs(m_frames, m_fps), nullptr) ||
        !WebPAnimEncoderAssemble(m_encoder, &data)) {
        m_error = QStringLiteral("libwebp cannot assemble the animation: %1")
                      .arg(QString::fromUtf8(WebPAnimEncoderGetError(m_encoder)));
        return {};
    }
    QByteArray bytes(reinterpret_cast<const char *>(data.bytes), qsizetype(data.size));
    WebPDataClear(&data);
    return bytes;
}
