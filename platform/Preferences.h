#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class QSettings;

/// The user's preference store: values written to an INI file, read back with a
/// fallback to defaults registered in memory. Faults never stop the program: an
/// unparsable file is kept aside as "<file>.corrupt" and the defaults apply; a store
/// that cannot be written keeps the session's values in memory.
class Preferences
{
public:
    /// Opens the store kept in filePath (created on the first write).
    explicit Preferences(const QString &filePath);
    ~Preferences();
    Preferences(const Preferences &) = delete;
    Preferences &operator=(const Preferences &) = delete;

    /// $XDG_CONFIG_HOME/duskmap/duskmap.conf, by default ~/.config/duskmap/duskmap.conf.
    static QString defaultFilePath();

    /// Adds defaults to the registration layer, which is never written to disk;
    /// a key registered again takes the later value.
    void registerDefaults(const QVariantMap &defaults);

    /// The stored value as a boolean, else the registered one, else false. Texts
    /// "true"/"yes" (any case) or a non-zero number are true.
    bool boolForKey(const QString &key) const;
    /// The stored (else registered) value when it is a string, else a null QString.
    QString stringForKey(const QString &key) const;
    /// The stored value, else the registered one, else an invalid QVariant.
    QVariant objectForKey(const QString &key) const;
    /// Stores value under key and writes the store to disk at once.
    void setObject(const QString &key, const QVariant &value);

    QString filePath() const;

private:
    void setAsideCorruptFile();
    void reportWriteFailure(int error);

    QString m_filePath;
    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_registered;
    bool m_writeFailureReported = false;
};
