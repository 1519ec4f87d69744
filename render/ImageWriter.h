#pragma once

#include <QString>

#include <optional>

class QImage;

enum class ImageFileFormat
{
    Png,
    Jpeg
};

/// The format a file name asks for by its extension: .png, .jpg or .jpeg.
std::optional<ImageFileFormat> imageFileFormatFor(const QString &path);

/// Writes an opaque image to path in one step (the file appears whole or not
/// at all): PNG at fast compression, JPEG at the best quality. Returns an
/// empty string on success, else why it failed.
QString writeImageFile(const QImage &image, const QString &path, ImageFileFormat format);
