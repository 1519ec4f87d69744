#pragma once

#include "render/ImageFileFormat.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QImage;

/// An opaque image encoded as PNG, compressed fast, or as JPEG or lossy WebP at
/// the given quality, 0 to 100: by default the best JPEG, and WebP as the
/// animations have it. Empty on failure, with the reason in error.
QByteArray encodeImage(const QImage &image, ImageFileFormat format,
                       std::optional<int> quality = std::nullopt, QString *error = nullptr);

/// Writes bytes to path in one step: the file appears whole or not at all,
/// and an older file of that name stays untouched on failure. Returns an empty
/// string on success, else why it failed, in the system's words ("No space
/// left on device").
QString writeFileAtomically(const QString &path, const QByteArray &bytes);

/// Why files cannot be written beside path: its folder is missing or not
/// writable. Empty when they can.
QString outputFolderProblem(const QString &path);

/// encodeImage, then writeFileAtomically.
QString writeImageFile(const QImage &image, const QString &path, ImageFileFormat format);
