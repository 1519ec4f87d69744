#include "platform/Preferences.h"

#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>

namespace {
// Duskmap's own file holds a few short lines.
constexpr qint64 kMaxPreferencesBytes = 1024 * 1024;

/// Whether the file holds what Duskmap never writes and Qt should not be left
/// to decode: a serialised object of any type ("@Variant(...)", which Qt turns
/// into pixmaps, cursors or gigabyte allocations on request) or a size beyond
/// any preferences file.
bool holdsForeignContent(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return false;
    if (file.size() > kMaxPreferencesBytes)
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false; // left to QSettings, which reports it as unreadable
    // Qt decodes "@Variant(" where a value, or an element of a list value,
    // begins, quoted or not; "@@Variant(" there is a plain text that starts
    // with "@", and a comma inside quotes belongs to the text.
    const QByteArray content = file.readAll();
    for (const QByteArray &line : content.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        bool quoted = false;
        bool elementStart = true;
        for (qsizetype i = equals + 1; i < line.size(); ++i) {
            const char c = line.at(i);
            if (elementStart && !quoted && c != ' ' && c != '\t') {
                if (line.mid(c == '"' ? i + 1 : i).startsWith("@Variant("))
                    return true;
                elementStart = false;
            }
            if (c == '\\')
                ++i; // an escaped character, never a quote or a separator
            else if (c == '"')
                quoted = !quoted;
            else if (c == ',' && !quoted)
                elementStart = true;
        }
    }
    return false;
}
} // namespace

Preferences::Preferences(const QString &filePath) : m_filePath(filePath)
{
    if (holdsForeignContent(m_filePath)) {
        setAsideCorruptFile();
        return;
    }
    m_settings = std::make_unique<QSettings>(m_filePath, QSettings::IniFormat);
    switch (m_settings->status()) {
    case QSettings::NoError:
        break;
    case QSettings::FormatError:
        setAsideCorruptFile();
        break;
    case QSettings::AccessError:
        logWarning(
            QStringLiteral("Cannot read the preferences %1; using the defaults").arg(m_filePath));
        break;
    }
}

Preferences::~Preferences() = default;

QString Preferences::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/duskmap/duskmap.conf");
}

void Preferences::setAsideCorruptFile()
{
    // Keep every earlier copy: the first free name of .corrupt, .corrupt.1, ...
    QString aside = m_filePath + QStringLiteral(".corrupt");
    for (int k = 1; QFile::exists(aside) && k < 1000; ++k)
        aside = m_filePath + QStringLiteral(".corrupt.%1").arg(k);
    m_settings.reset();
    if (QFile::rename(m_filePath, aside)) {
        logWarning(QStringLiteral("The preferences %1 could not be read; kept as %2, "
                                  "using the defaults")
                       .arg(m_filePath, aside));
    } else {
        logWarning(QStringLiteral("The preferences %1 could not be read nor moved aside; "
                                  "using the defaults")
                       .arg(m_filePath));
    }
    m_settings = std::make_unique<QSettings>(m_filePath, QSettings::IniFormat);
    // A file that could not be moved still holds the unparsable text: ignore it.
    if (m_settings->status() != QSettings::NoError)
        m_settings->clear();
}

void Preferences::registerDefaults(const QVariantMap &defaults)
{
    m_registered.insert(defaults);
}

QVariant Preferences::objectForKey(const QString &key) const
{
    const QVariant stored = m_settings->value(key);
    if (stored.isValid())
        return stored;
    return m_registered.value(key);
}

bool Preferences::boolForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::QString: {
        // The INI store gives every value back as text: "true"/"false" for booleans.
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
            text.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0)
            return true;
        bool isNumber = false;
        const double number = text.toDouble(&isNumber);
        return isNumber && number != 0.0;
    }
    default:
        return false;
    }
}

QString Preferences::stringForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    // QSettings reads a text written by hand without quotes, "52.52,13.40",
    // as a list of two.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    if (value.typeId() != QMetaType::QString)
        return {};
    return value.toString();
}

void Preferences::setObject(const QString &key, const QVariant &value)
{
    // QSettings keeps the value in memory even when the file cannot be written.
    m_settings->setValue(key, value);
    // QSettings tells only that writing failed; errno still holds why.
    errno = 0;
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        reportWriteFailure(errno);
}

void Preferences::reportWriteFailure(int error)
{
    if (m_writeFailureReported)
        return;
    m_writeFailureReported = true;
    logWarning(
        QStringLiteral("Cannot write the preferences %1%2; changes last for this "
                       "session only")
            .arg(m_filePath, error ? QStringLiteral(": ") + qt_error_string(error) : QString()));
}

QString Preferences::filePath() const
{
    return m_filePath;
}
