#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

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

/// The zones that a typed query finds, best first: the city (the id's last part
/// with spaces for '_'), the id or the country equal to the query, then a city
/// or country starting with it, then any word of the id or the country
/// starting with it. Ties keep the order of \a zones. Nothing for a blank query.
/// The local city and country count as the city and the country do.
QStringList findZones(const QString &query, const QStringList &zones,
                      const ZoneCountries &countries, const LocalZoneNames &local = {});

/// The one zone a query names: an id in \a zones, the only zone it finds, or
/// the only one whose city it equals. Empty otherwise, with what it found in
/// \a candidates.
QString zoneNamedBy(const QString &query, const QStringList &zones, const ZoneCountries &countries,
                    QStringList *candidates = nullptr, const LocalZoneNames &local = {});
