#pragma once

#include "astro/GeoPoint.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>
#include <mutex>
#include <vector>

class Resources;

/// An offered time zone: its tz database id and its reference place.
struct Zone
{
    QString id;
    GeoPoint place; ///< read in single precision: each part is a float's value
};

/// The offered time zones with their reference places, read once: lookups
/// neither parse the table again nor ask the system's zone database. Which
/// zones the system knows is asked at the first call that needs them all, as
/// it reads every zone's file: a snapshot asks only about the zones it shows.
class TimeZoneTable
{
public:
    TimeZoneTable() = default;
    /// Zone name -> [latitude, longitude] of its reference place, each a number or a
    /// string holding one, read as single-precision degrees. A short entry or a part
    /// that is not a number gives 0 for that part, with one warning per entry.
    explicit TimeZoneTable(const QVariantMap &entries);

    /// The table in the resource "TimeZones" of type "plist"; empty when the resource is
    /// missing or is not a property-list dictionary.
    static TimeZoneTable load(const Resources &resources);

    /// Every zone, valid or not, in the table's own order (by id, code point by code point).
    const std::vector<Zone> &zones() const { return m_zones; }
    /// The zones the system knows as time zones, case-insensitively ascending; ids
    /// equal but for case keep the table's own order between them.
    const std::vector<Zone> &validZones() const { return valid().zones; }
    /// The ids of validZones(), in the same order.
    const QStringList &validSortedNames() const { return valid().names; }
    /// Whether validZones() holds a zone, asking the system about that one alone.
    bool offers(const QString &id) const;

    /// The reference place of a zone; 0, 0 for an id not in the table.
    GeoPoint placeOf(const QString &id) const;

private:
    struct Valid
    {
        std::once_flag once;
        std::vector<Zone> zones;
        QStringList names;
    };
    const Valid &valid() const;

    std::vector<Zone> m_zones;
    /// Shared by the copies, so that the system is asked once for them all.
    std::shared_ptr<Valid> m_valid = std::make_shared<Valid>();
};

/// One line for each of \a zones in that order: "name\tlatitude\tlongitude\n", each
/// coordinate in the shortest text that reads back as the same float.
QString zoneListing(const TimeZoneTable &table, const QStringList &zones);
/// The listing of every valid zone, in sorted order.
inline QString zoneListing(const TimeZoneTable &table)
{
    return zoneListing(table, table.validSortedNames());
}
