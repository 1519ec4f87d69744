#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

struct TestZone
{
    QString name;
    double latitude;
    double longitude;
};

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// The file's bytes, or none when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Writes a time zone table of these entries and copies the embedded images (the
/// test links the program's resources) into dir; false on any failure.
inline bool makeTestResources(const QTemporaryDir &dir, const std::vector<TestZone> &zones)
{
    QByteArray xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n";
    for (const TestZone &zone : zones)
        xml += "<key>" + zone.name.toUtf8() + "</key><array><real>" +
               QByteArray::number(zone.latitude, 'g', 10) + "</real><real>" +
               QByteArray::number(zone.longitude, 'g', 10) + "</real></array>\n";
    if (!writeFile(dir.filePath("TimeZones.plist"), xml + "</dict>\n</plist>\n"))
        return false;
    for (const char *name : {"EarthMap720", "NightMap720", "EarthMap1440", "NightMap1440",
                             "EarthMap2048", "NightMap2048"}) {
        const QStringList found = QDir(":/duskmap").entryList({name + QStringLiteral(".*")});
        if (found.size() != 1 ||
            !QFile::copy(":/duskmap/" + found.first(), dir.filePath(found.first())))
            return false;
        QFile::setPermissions(dir.filePath(found.first()), QFile::ReadOwner | QFile::WriteOwner);
    }
    return true;
}
