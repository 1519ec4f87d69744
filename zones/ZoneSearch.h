#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "places/CityList.h"
#include "zones/LocalZoneNames.h"

/// Zone id -> the English name of its country, from the tz database's zone.tab
/// (the country code of each zone) and iso3166.tab (the names of the codes).
using ZoneCountries = QHash<QString, QString>;

/// The directory of the system's tz database: $TZDIR, else /usr/share/zoneinfo.
QString zoneInfoDirectory();

/// The countries of the zones that zone.tab and iso3166.tab in \a directory
/// list; empty when either file cannot be read.
ZoneCountries loadZoneCountries(const QString &directory = zoneInfoDirectory());

/// Text as the search compares it: case folded, without accents, and with
/// every run of characters other than letters and digits made one space.
QString searchFolded(const QString &text);

/// A zone a query finds, and the listed city it finds it by: empty when the
/// zone's own names answer the query.
struct ZoneMatch
{
    QString zone;
    QString city;
};

/// The zones that a typed query finds, best first, as the zone box, the world
/// clocks' field and the command line all search. By the zones' own names
/// first: the city (the id's last part with spaces for '_'), the id or the
/// country equal to the query, then a city or country starting with it, then
/// any word of the id or the country starting with it; the local city and
/// country count as the city and the country do. Then the zones of the cities
/// of that name in \a cities ("Osaka" finds Asia/Tokyo), most populous city
/// first. Among equal matches of the own names the zone whose listed cities
/// hold more people comes first ("united states" finds America/New_York
/// first), else the order of \a zones. Nothing for a blank query.
QList<ZoneMatch> zoneMatches(const QString &query, const QStringList &zones,
                             const ZoneCountries &countries, const LocalZoneNames &local = {},
                             const places::CityList &cities = places::CityList::shared());

/// The zones of zoneMatches(), without the cities.
QStringList findZones(const QString &query, const QStringList &zones,
                      const ZoneCountries &countries, const LocalZoneNames &local = {},
                      const places::CityList &cities = places::CityList::shared());

/// The one zone a query names: an id in \a zones, the only zone it finds, or
/// the only one whose own city, id or country it equals. Empty otherwise, with
/// what it found in \a candidates.
QString zoneNamedBy(const QString &query, const QStringList &zones, const ZoneCountries &countries,
                    QStringList *candidates = nullptr, const LocalZoneNames &local = {},
                    const places::CityList &cities = places::CityList::shared());
