#pragma once

// A resource root of a test's own: a time zone table written from a list of
// entries, and the built-in map images copied beside it.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <utility>
#include <vector>

struct TestZone
{
    QString name;
    double latitude;
    double longitude;
};

inline QByteArray timeZonePlist(const std::vector<TestZone> &zones)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<plist version=\"1.0\">\n<dict>\n";
    for (const TestZone &zone : zones) {
        xml += "<key>" + zone.name.toUtf8() + "</key><array><real>" +
               QByteArray::number(zone.latitude, 'g', 10) + "</real><real>" +
               QByteArray::number(zone.longitude, 'g', 10) + "</real></array>\n";
    }
    return xml + "</dict>\n</plist>\n";
}

/// Writes the table and copies the embedded images (the test links the
/// program's resources) into dir; returns false on any failure.
inline bool makeTestResources(const QTemporaryDir &dir, const std::vector<TestZone> &zones)
{
    QFile table(dir.filePath(QStringLiteral("TimeZones.plist")));
    if (!table.open(QIODevice::WriteOnly) || table.write(timeZonePlist(zones)) < 0)
        return false;
    table.close();
    for (const char *name : {"EarthMap720", "NightMap720", "EarthMap1440", "NightMap1440"}) {
        const QStringList found =
            QDir(QStringLiteral(":/duskmap"))
                .entryList({QString::fromLatin1(name) + QStringLiteral(".*")});
        if (found.size() != 1 ||
            !QFile::copy(QStringLiteral(":/duskmap/") + found.first(), dir.filePath(found.first())))
            return false;
        QFile::setPermissions(dir.filePath(found.first()), QFile::ReadOwner | QFile::WriteOwner);
    }
    return true;
}
