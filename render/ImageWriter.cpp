#include "render/ImageWriter.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace {
constexpr int kJpegBestQuality = 100;
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

QString writeImageFile(const QImage &image, const QString &path, ImageFileFormat format)
{
    if (image.isNull())
        return QStringLiteral("there is no image to write");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const bool png = format == ImageFileFormat::Png;
    QImageWriter writer(&file, png ? "png" : "jpeg");
    writer.setQuality(png ? kPngCompressionQuality : kJpegBestQuality);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        file.cancelWriting();
        return writer.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
