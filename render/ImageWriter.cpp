#include "render/ImageWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace {
// Qt turns a PNG quality q into zlib level (100 - q) * 9 / 91: 80 is level 1,
// within a fifth of the smallest file of these maps in a twentieth of the time.
constexpr int kPngCompressionQuality = 80;
} // namespace

std::optional<ImageFileFormat> imageFileFormatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return ImageFileFormat::Png;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return ImageFileFormat::Jpeg;
    return std::nullopt;
}

QByteArray encodeImage(const QImage &image, ImageFileFormat format, int jpegQuality, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool png = format == ImageFileFormat::Png;
    QImageWriter writer(&buffer, png ? "png" : "jpeg");
    writer.setQuality(png ? kPngCompressionQuality : jpegQuality);
    if (image.isNull() || !writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        if (error)
            *error = image.isNull() ? QStringLiteral("there is no image to write")
                                    : writer.errorString();
        return {};
    }
    return bytes;
}

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeImageFile(const QImage &image, const QString &path, ImageFileFormat format)
{
    QString error;
    const QByteArray bytes = encodeImage(image, format, 100, &error);
    return bytes.isEmpty() ? error : writeFileAtomically(path, bytes);
}
