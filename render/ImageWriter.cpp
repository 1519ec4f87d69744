#include "render/ImageWriter.h"

#include "render/WebpAnimation.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>

#include <libdeflate.h>

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// libdeflate's fastest level: on these maps it compresses a large frame in a
// third of the time zlib's fastest level takes, into a smaller file.
constexpr int kPngDeflateLevel = 1;
constexpr int kBestJpegQuality = 100;

void appendBigEndian(QByteArray &bytes, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xff));
}

void appendChunk(QByteArray &png, const char type[4], const QByteArray &data)
{
    appendBigEndian(png, uint32_t(data.size()));
    const qsizetype start = png.size();
    png.append(type, 4);
    png.append(data);
    appendBigEndian(
        png, uint32_t(libdeflate_crc32(0, png.constData() + start, size_t(png.size() - start))));
}

/// An opaque image as an 8-bit RGB PNG. Written here rather than by Qt's
/// writer because Qt's libpng compresses with zlib, which takes most of a
/// snapshot's time; no PNG library in Debian compresses with libdeflate, and
/// the file is four plain chunks. Every row takes the Sub filter, the cheapest
/// that pays on photographs.
QByteArray encodePng(const QImage &image, QString *error)
{
    // The frames are opaque 32-bit images already: their red, green and blue
    // are read where they are, without a converted copy.
    const bool direct = image.format() == QImage::Format_RGB32 ||
                        image.format() == QImage::Format_ARGB32 ||
                        image.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage rgb = direct ? image : image.convertToFormat(QImage::Format_RGB32);
    const size_t rowBytes = size_t(rgb.width()) * 3;
    const size_t rawBytes = (rowBytes + 1) * size_t(rgb.height());
    if (rgb.isNull() || rawBytes > size_t(std::numeric_limits<int32_t>::max())) {
        if (error)
            *error = QStringLiteral("the image is too large for one PNG");
        return {};
    }
    // Left uninitialised: every byte is written below, and clearing a large
    // frame's worth first cost as much as a tenth of its compression.
    const std::unique_ptr<uint8_t[]> raw(new uint8_t[rawBytes]);
    const int width = rgb.width(), height = rgb.height();
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uint8_t *out = raw.get() + size_t(y) * (rowBytes + 1);
        *out++ = 1; // Sub: each byte less the same channel of the pixel to its left
        QRgb left = 0;
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = row[x];
            *out++ = uint8_t(qRed(pixel) - qRed(left));
            *out++ = uint8_t(qGreen(pixel) - qGreen(left));
            *out++ = uint8_t(qBlue(pixel) - qBlue(left));
            left = pixel;
        }
    }
    libdeflate_compressor *compressor = libdeflate_alloc_compressor(kPngDeflateLevel);
    QByteArray idat(qsizetype(libdeflate_zlib_compress_bound(compressor, rawBytes)),
                    Qt::Uninitialized);
    const size_t compressed = compressor
                                  ? libdeflate_zlib_compress(compressor, raw.get(), rawBytes,
                                                             idat.data(), size_t(idat.size()))
                                  : 0;
    libdeflate_free_compressor(compressor);
    if (compressed == 0) {
        if (error)
            *error = QStringLiteral("cannot compress the image");
        return {};
    }
    idat.truncate(qsizetype(compressed));

    QByteArray header;
    appendBigEndian(header, uint32_t(rgb.width()));
    appendBigEndian(header, uint32_t(rgb.height()));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, filters, no interlace
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", idat);
    appendChunk(png, "IEND", {});
    return png;
}
} // namespace

QByteArray encodeImage(const QImage &image, ImageFileFormat format, std::optional<int> quality,
                       QString *error)
{
    if (format == ImageFileFormat::Webp && !image.isNull())
        return encodeWebp(image, quality.value_or(kDefaultWebpQuality), error);
    if (format == ImageFileFormat::Png && !image.isNull()) {
        try {
            return encodePng(image, error);
        } catch (const std::bad_alloc &) {
            if (error)
                *error = QStringLiteral("not enough memory to encode the image");
            return {};
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality.value_or(kBestJpegQuality));
    if (image.isNull() || !writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        if (error)
            *error = image.isNull() ? QStringLiteral("not enough memory to draw the map")
                                    : writer.errorString();
        return {};
    }
    return bytes;
}

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // Written unbuffered and renamed over the target, so that the reason of a
    // failure is that of the call that failed: a buffered writer finds out
    // only when it flushes, with errno long gone.
    // A symbolic link is followed: the file it points to is the one meant.
    QFileInfo info(path);
    for (int depth = 0; info.isSymLink() && depth < 40; ++depth)
        info.setFile(info.symLinkTarget());
    const QByteArray target = QFile::encodeName(info.filePath());
    const auto freeName = [&info] {
        return QFile::encodeName(
            info.absolutePath() +
            QStringLiteral("/.%1.%2")
                .arg(info.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    };
    // Nameless until whole where the file system allows, and /proc names it
    // then: a run killed while writing leaves nothing behind.
    const bool canName = ::access("/proc/self/fd", F_OK) == 0;
    int fd = canName ? ::open(QFile::encodeName(info.absolutePath()).constData(),
                              O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)
                     : -1;
    const bool nameless = fd >= 0;
    if (canName && !nameless && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return qt_error_string(errno);
    QByteArray temporary;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = freeName();
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return qt_error_string(errno);
    }
    if (fd < 0)
        return qt_error_string(EEXIST);
    int error = 0;
    // An older file keeps its permissions; a new one gets the umask's.
    struct stat old;
    if (::stat(target.constData(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    for (qsizetype done = 0; error == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n == 0 || errno != EINTR)
            error = n == 0 ? EIO : errno;
    }
    // A file system that cannot sync (EINVAL) still has the file.
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; nameless && error == 0 && temporary.isEmpty(); ++attempt) {
        const QByteArray name = freeName();
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) ==
            0)
            temporary = name;
        else if (errno != EEXIST || attempt == 100)
            error = errno;
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error == 0)
        return {};
    if (!temporary.isEmpty())
        ::unlink(temporary.constData());
    return qt_error_string(error);
}

QString outputFolderProblem(const QString &path)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("the folder \"%1\" does not exist").arg(folder);
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("cannot write in the folder \"%1\": %2")
            .arg(folder, qt_error_string(errno));
    return {};
}

QString writeImageFile(const QImage &image, const QString &path, ImageFileFormat format)
{
    QString error;
    const QByteArray bytes = encodeImage(image, format, std::nullopt, &error);
    return bytes.isEmpty() ? error : writeFileAtomically(path, bytes);
}
