#include "render/WebpAnimation.h"

#include <QImage>

#include <webp/encode.h>
#include <webp/mux.h>

namespace {
int timestampMs(int frame, int fps)
{
    return int(qint64(frame) * 1000 / fps);
}

/// The settings of a lossy image at a quality, and the picture of an opaque
/// image; the picture's pixels are null when they cannot be imported. False
/// when libwebp does not match its headers. The picture is to be freed.
bool prepare(const QImage &image, int quality, WebPConfig &config, WebPPicture &picture)
{
    if (!WebPConfigInit(&config) || !WebPPictureInit(&picture))
        return false;
    config.quality = float(quality);
    config.thread_level = 1;
    picture.use_argb = 1;
    picture.width = image.width();
    picture.height = image.height();
    // QImage's 32-bit formats are B, G, R, A in memory on this platform.
    // Opaque 32-bit images are imported where they are; their bytes are B, G,
    // R, A whether premultiplied or not.
    const bool direct = image.format() == QImage::Format_RGB32 ||
                        image.format() == QImage::Format_ARGB32 ||
                        image.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage bgra = direct ? image : image.convertToFormat(QImage::Format_ARGB32);
    if (!bgra.isNull())
        WebPPictureImportBGRA(&picture, bgra.constBits(), int(bgra.bytesPerLine()));
    return true;
}
} // namespace

QByteArray encodeWebp(const QImage &image, int quality, QString *error)
{
    WebPConfig config;
    WebPPicture picture;
    if (!prepare(image, quality, config, picture)) {
        if (error)
            *error = QStringLiteral("libwebp does not match the version built against");
        return {};
    }
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    picture.writer = WebPMemoryWrite;
    picture.custom_ptr = &writer;
    const bool ok = picture.argb && WebPEncode(&config, &picture);
    const int code = picture.error_code;
    WebPPictureFree(&picture);
    QByteArray bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char *>(writer.mem), qsizetype(writer.size));
    else if (error)
        *error = QStringLiteral("libwebp cannot encode the image (error %1)").arg(code);
    WebPMemoryWriterClear(&writer);
    return bytes;
}

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
    WebPPicture picture;
    if (!prepare(frame, m_quality, config, picture)) {
        m_error = QStringLiteral("libwebp does not match the version built against");
        return false;
    }
    const bool ok = frame.size() == m_size && picture.argb &&
                    WebPAnimEncoderAdd(m_encoder, &picture, timestampMs(m_frames, m_fps), &config);
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
