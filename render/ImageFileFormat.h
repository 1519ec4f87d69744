#pragma once

#include <QFileInfo>
#include <QString>

#include <optional>

/// The image file formats a map is written in, besides animated WebP.
enum class ImageFileFormat
{
    Png,
    Jpeg
};

/// The format a file name asks for by its extension: .png, .jpg or .jpeg.
/// Here in full, so that the command line's parser needs only Qt Core.
inline std::optional<ImageFileFormat> imageFileFormatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return ImageFileFormat::Png;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return ImageFileFormat::Jpeg;
    return std::nullopt;
}
