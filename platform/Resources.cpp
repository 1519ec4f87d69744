#include "platform/Resources.h"

#include "platform/LargeImage.h"
#include "platform/Log.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <utility>

namespace {

// A resource name is one file name: no directories, no way out of the root.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String("..") &&
           name != QLatin1String(".");
}

} // namespace

Resources::Resources(QString root) : m_root(std::move(root)) {}

QString Resources::pathForResource(const QString &name, const QString &type) const
{
    const QString fileName = type.isEmpty() ? name : name + QLatin1Char('.') + type;
    if (!isPlainName(name) || !isPlainName(fileName))
        return {};
    const QString path = m_root + QLatin1Char('/') + fileName;
    return QFileInfo(path).isFile() ? path : QString();
}

QImage Resources::imageNamed(const QString &name) const
{
    QString path = pathForResource(name, QStringLiteral("png"));
    if (path.isEmpty() && isPlainName(name)) {
        const QStringList candidates =
            QDir(m_root).entryList({name + QStringLiteral(".*")}, QDir::Files, QDir::Name);
        if (!candidates.isEmpty())
            path = m_root + QLatin1Char('/') + candidates.first();
    }
    if (path.isEmpty()) {
        logWarningOnce(QStringLiteral("No image named %1 in %2").arg(name, m_root));
        return {};
    }
    QImageReader reader(path);
    // Decoders of a known size and format fill the image given to them; a
    // large one's memory is mapped faster. Beyond the reader's own limit it
    // refuses the image, and nothing is allocated for it.
    QImage image;
    const QSize size = reader.size();
    const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
    if (size.isValid() && (limit == 0 || qint64(size.width()) * size.height() * 4 <= limit))
        image = largeImage(size, reader.imageFormat());
    if (!reader.read(&image))
        image = {};
    if (image.isNull())
        logWarningOnce(
            QStringLiteral("Cannot decode the image %1: %2").arg(path, reader.errorString()));
    return image;
}

QString Resources::root() const
{
    return m_root;
}
