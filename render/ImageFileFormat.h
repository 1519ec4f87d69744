#pragma once

#include <QFileInfo>
#include <QString>

#include <optional>

/// The image file formats a map is written in; a time-lapse's .webp is one
/// animation instead.
enum class ImageFileFormat
{
    Png,
    Jpeg,
    Webp
};

/// The widest and highest image WebP holds.
inline constexpr int kLargestWebpSide = 16383;

/// The format a file name asks for by its extension: .png, .jpg, .jpeg or
/// .webp.
/// Here in full, so that the command line's parser needs only Qt Core.
inline std::optional<ImageFileFormat> imageFileFormatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return ImageFileFormat::Png;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return ImageFileFormat::Jpeg;
    if (suffix == QLatin1String("webp"))
        return ImageFileFormat::Webp;
    return std::nullopt;
}
