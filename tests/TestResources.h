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
    QFile table(dir.filePath("TimeZones.plist"));
    if (!table.open(QIODevice::WriteOnly) || table.write(xml + "</dict>\n</plist>\n") < 0)
        return false;
    table.close();
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
