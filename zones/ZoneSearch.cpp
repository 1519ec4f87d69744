#include "zones/ZoneSearch.h"

#include "places/PlaceText.h"

#include <QFile>
#include <QList>
#include <QTextStream>

#include <algorithm>

namespace {

/// Each line of a tz table that is no comment, split at tabs.
QList<QStringList> tableRows(const QString &path)
{
    QList<QStringList> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    QTextStream stream(&file);
    QString line;
    while (stream.readLineInto(&line)) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        rows.append(line.split(QLatin1Char('\t')));
    }
    return rows;
}

/// How well a zone answers a folded query; lower is better, -1 not at all.
/// Only the starts of words match: "utc" does not find "dutch".
int matchRank(const QString &query, const QString &zone, const QString &country,
              const LocalZoneName &local)
{
    const QString words = searchFolded(zone);
    const QString city = searchFolded(zone.section(QLatin1Char('/'), -1));
    const QString countryWords = searchFolded(country);
    const QString localCity = searchFolded(local.city);
    const QString localCountry = searchFolded(local.country);
    QStringList otherCities;
    for (const QString &other : local.otherCities)
        otherCities.append(searchFolded(other));
    if (city == query || words == query || countryWords == query || localCity == query ||
        localCountry == query || otherCities.contains(query))
        return 0;
    if (city.startsWith(query) || countryWords.startsWith(query) ||
        (!localCity.isEmpty() && localCity.startsWith(query)) ||
        (!localCountry.isEmpty() && localCountry.startsWith(query)) ||
        std::any_of(otherCities.cbegin(), otherCities.cend(),
                    [&](const QString &other) { return other.startsWith(query); }))
        return 1;
    const QString all = QLatin1Char(' ') + words + QLatin1Char(' ') + countryWords +
                        QLatin1Char(' ') + localCity + QLatin1Char(' ') + localCountry;
    if (all.contains(QLatin1Char(' ') + query))
        return 2;
    return -1;
}

/// Below every rank of the zones' own names.
constexpr int kListedCityRank = 3;

struct RankedZone
{
    int rank;
    ZoneMatch match;
};

QList<RankedZone> rankedZones(const QString &query, const QStringList &zones,
                              const ZoneCountries &countries, const LocalZoneNames &local,
                              const places::CityList &cities)
{
    QList<RankedZone> found;
    const QString folded = searchFolded(query);
    if (folded.isEmpty())
        return found;
    QHash<QString, quint64> population;
    for (const QString &zone : zones) {
        const int rank = matchRank(folded, zone, countries.value(zone), local.value(zone));
        if (rank >= 0) {
            found.append({rank, {zone, {}}});
            population.insert(zone, cities.zonePopulation(zone.toStdString()));
        }
    }
    std::stable_sort(found.begin(), found.end(), [&](const RankedZone &a, const RankedZone &b) {
        return a.rank != b.rank ? a.rank < b.rank
                                : population.value(a.match.zone) > population.value(b.match.zone);
    });
    const places::PlaceText typed = places::parsePlaceText(query.toStdString());
    if (typed.kind != places::PlaceText::Kind::CityName)
        return found;
    for (const uint32_t city : cities.find(typed.name, typed.qualifier)) {
        const QString zone = QString::fromStdString(cities.zone(city));
        const auto known = [&zone](const RankedZone &ranked) { return ranked.match.zone == zone; };
        if (zones.contains(zone) && std::none_of(found.cbegin(), found.cend(), known))
            found.append({kListedCityRank, {zone, QString::fromUtf8(cities.name(city))}});
    }
    return found;
}

} // namespace

QString zoneInfoDirectory()
{
    const QString tzDir = qEnvironmentVariable("TZDIR");
    return tzDir.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : tzDir;
}

ZoneCountries loadZoneCountries(const QString &directory)
{
    QHash<QString, QString> names;
    for (const QStringList &row : tableRows(directory + QStringLiteral("/iso3166.tab"))) {
        if (row.size() >= 2)
            names.insert(row.at(0), row.at(1));
    }
    ZoneCountries countries;
    for (const QStringList &row : tableRows(directory + QStringLiteral("/zone.tab"))) {
        if (row.size() >= 3 && names.contains(row.at(0)))
            countries.insert(row.at(2), names.value(row.at(0)));
    }
    return countries;
}

QString searchFolded(const QString &text)
{
    QString folded;
    folded.reserve(text.size());
    bool space = true; // no leading space
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.isLetterOrNumber()) {
            folded += c.toCaseFolded();
            space = false;
        } else if (!space) {
            folded += QLatin1Char(' ');
            space = true;
        }
    }
    if (folded.endsWith(QLatin1Char(' ')))
        folded.chop(1);
    return folded;
}

QList<ZoneMatch> zoneMatches(const QString &query, const QStringList &zones,
                             const ZoneCountries &countries, const LocalZoneNames &local,
                             const places::CityList &cities)
{
    QList<ZoneMatch> found;
    for (const RankedZone &ranked : rankedZones(query, zones, countries, local, cities))
        found.append(ranked.match);
    return found;
}

QStringList findZones(const QString &query, const QStringList &zones,
                      const ZoneCountries &countries, const LocalZoneNames &local,
                      const places::CityList &cities)
{
    QStringList found;
    for (const RankedZone &ranked : rankedZones(query, zones, countries, local, cities))
        found.append(ranked.match.zone);
    return found;
}

QString zoneNamedBy(const QString &query, const QStringList &zones, const ZoneCountries &countries,
                    QStringList *candidates, const LocalZoneNames &local,
                    const places::CityList &cities)
{
    if (zones.contains(query))
        return query;
    const QList<RankedZone> found = rankedZones(query, zones, countries, local, cities);
    if (candidates) {
        candidates->clear();
        for (const RankedZone &ranked : found)
            candidates->append(ranked.match.zone);
    }
    if (found.size() == 1 || (found.size() > 1 && found.at(0).rank == 0 && found.at(1).rank > 0))
        return found.at(0).match.zone;
    return {};
}
