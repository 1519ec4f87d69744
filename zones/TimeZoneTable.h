#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

class Resources;

/// A zone's reference place, in degrees: north and east positive.
struct ZonePlace
{
    float latitude = 0.0f;
    float longitude = 0.0f;
};

/// The offered time zones: zone name -> [latitude, longitude] of its reference place.
class TimeZoneTable
{
public:
    TimeZoneTable() = default;
    explicit TimeZoneTable(QVariantMap entries);

    /// The table in the resource "TimeZones" of type "plist"; empty when the resource is
    /// missing or is not a property-list dictionary.
    static TimeZoneTable load(const Resources &resources);

    /// All names, case-insensitively ascending; names equal but for case keep the
    /// table's own order between them.
    QStringList sortedNames() const;
    /// All names in the table's own order, valid zones or not.
    QStringList unsortedNames() const;
    /// sortedNames() without the names the system does not know as time zones.
    QStringList validSortedNames() const;

    /// The reference place of a zone: element 0 is the latitude, element 1 the
    /// longitude, each a number or a string holding one, as single-precision degrees.
    /// No entry gives 0, 0; a short entry or a part that is not a number gives 0 for
    /// that part, with one warning per entry.
    ZonePlace placeOf(const QString &name) const;

    /// Whether the system knows a time zone by this name.
    static bool isValidZone(const QString &name);

private:
    QVariantMap m_entries;
};

/// The valid zones in sorted order, one line each: "name\tlatitude\tlongitude\n",
/// each coordinate in the shortest text that reads back as the same float.
QString zoneListing(const TimeZoneTable &table);
