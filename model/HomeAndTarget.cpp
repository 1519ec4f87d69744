#include "model/HomeAndTarget.h"

#include "model/MapModel.h"
#include "places/Locator.h"
#include "platform/Log.h"
#include "zones/LocalZoneNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <mutex>

places::PlaceResult placeNamedBy(const places::PlaceText &parsed)
{
    const places::CityList &cities = places::CityList::shared();
    static std::once_flag logged;
    if (cities.empty()) {
        std::call_once(logged, [&cities] {
            logWarning(QString::fromStdString(cities.loadError()) +
                       QStringLiteral("; city names cannot be used as places"));
        });
    }
    places::PlaceResult result = places::resolvePlace(parsed, cities);
    // A zone's own city in the user's language, as the world clocks name it:
    // "Київ" for Kiev in Ukrainian.
    places::Place &place = result.place;
    if (!result.ok || place.name.empty())
        return result;
    const QString zone = QString::fromStdString(place.zone);
    const std::vector<uint32_t> zoneCities = cities.find(cityOfZoneId(zone).toStdString());
    if (zoneCities.empty() || !(cities.place(zoneCities.front()) == place.point))
        return result;
    if (const QString local = localCityName(zone); !local.isEmpty())
        place.name = local.toStdString();
    return result;
}

places::PlaceResult placeNamedBy(const QString &text)
{
    return placeNamedBy(places::parsePlaceText(text.toStdString()));
}

namespace {
using places::PlaceProblem;
// Each problem in plain words, for translation in the context "PlaceProblem".
constexpr std::pair<PlaceProblem, const char *> kPlaceProblems[] = {
    {PlaceProblem::NoPlaceGiven, QT_TRANSLATE_NOOP("PlaceProblem", "no place given")},
    {PlaceProblem::NotDecimalDegrees,
     QT_TRANSLATE_NOOP("PlaceProblem",
                       "not a latitude and longitude in degrees (like 52.52,13.40)")},
    {PlaceProblem::NotDegreesMinutes,
     QT_TRANSLATE_NOOP("PlaceProblem",
                       "not a latitude and longitude in degrees, minutes and seconds")},
    {PlaceProblem::CoordinatesNotNumbers,
     QT_TRANSLATE_NOOP("PlaceProblem", "coordinates are not numbers")},
    {PlaceProblem::CoordinatesOutOfRange,
     QT_TRANSLATE_NOOP("PlaceProblem",
                       "coordinates out of range (latitude -90 to 90, longitude -180 to 180)")},
    {PlaceProblem::NotLocator,
     QT_TRANSLATE_NOOP("PlaceProblem",
                       "not a Maidenhead locator of 4, 6 or 8 characters (like JO62qm)")},
    {PlaceProblem::NoCityNameGiven, QT_TRANSLATE_NOOP("PlaceProblem", "no city name given")},
    {PlaceProblem::NoCityList,
     QT_TRANSLATE_NOOP("PlaceProblem", "city names are unavailable without the city list")},
    {PlaceProblem::NoSuchCity, QT_TRANSLATE_NOOP("PlaceProblem", "no city of that name")},
};
} // namespace

QString placeProblemText(places::PlaceProblem problem, const QString &typed, TextLanguage language)
{
    const auto row = std::find_if(std::begin(kPlaceProblems), std::end(kPlaceProblems),
                                  [problem](const auto &each) { return each.first == problem; });
    if (row == std::end(kPlaceProblems))
        return {};
    QString text = language == TextLanguage::English
                       ? QLatin1String(row->second)
                       : QCoreApplication::translate("PlaceProblem", row->second);
    if (const QString shown = typed.trimmed(); !shown.isEmpty())
        text += QStringLiteral(": ") + shown;
    return text;
}

QString placeEndTitle(PlaceEnd end)
{
    return QCoreApplication::translate("PlaceEnd", kPlaceEnds[std::size_t(end)].title);
}

QString coordinatesText(const GeoPoint &point)
{
    return QString::number(point.latitude, 'f', 4) + QLatin1Char(',') +
           QString::number(point.longitude, 'f', 4);
}

QString shownName(const ChosenPlace &chosen)
{
    const places::Place &place = chosen.place;
    if (!place.name.empty())
        return QString::fromStdString(place.name);
    const bool locator = place.kind == places::PlaceText::Kind::Locator;
    return QString::fromStdString(
        places::locatorOf(place.point, locator ? place.locatorLength : 6));
}

namespace {
/// The sunrise and sunset of a local day, kept for the last few days asked
/// for: they change only with the date, while the row asks again at every
/// step of the time slider. Per thread, as the readouts may be made in several.
astro::RiseSet riseSetOfDay(const GeoPoint &place, double dayStart, double dayEnd, double elevation)
{
    struct Day
    {
        double latitude, longitude, start, end, elevation;
        bool operator==(const Day &) const = default;
    };
    thread_local std::array<std::pair<Day, astro::RiseSet>, 4> kept{};
    thread_local std::size_t next = 0;
    const Day day{place.latitude, place.longitude, dayStart, dayEnd, elevation};
    for (const auto &[known, riseSet] : kept)
        if (known == day)
            return riseSet;
    auto &slot = kept[next++ % kept.size()];
    slot = {day, astro::sunRiseSet(place, dayStart, dayEnd, elevation)};
    return slot.second;
}
} // namespace

PlaceEndSun placeEndSun(const MapModel &model, PlaceEnd end)
{
    const places::Place &place = model.place(end)->place;
    QTimeZone zone(QByteArray::fromStdString(place.zone));
    if (!zone.isValid())
        zone = QTimeZone::utc();
    PlaceEndSun sun;
    sun.local = model.shownInstant().toTimeZone(zone);
    const QDate date = sun.local.date();
    const double dayStart = double(QDateTime(date, QTime(0, 0), zone).toSecsSinceEpoch());
    const double dayEnd = double(QDateTime(date.addDays(1), QTime(0, 0), zone).toSecsSinceEpoch());
    const double elevation = end == PlaceEnd::Home ? model.homeElevation() : 0.0;
    sun.riseSet = riseSetOfDay(place.point, dayStart, dayEnd, elevation);
    sun.now = astro::sunHorizontal(place.point, double(model.shownInstant().toSecsSinceEpoch()));
    return sun;
}

std::vector<astro::TimeSpan> greyLineWindowsAhead(const MapModel &model)
{
    const auto &home = model.place(PlaceEnd::Home);
    const auto &target = model.place(PlaceEnd::Target);
    if (!home || !target)
        return {};
    const GreyLineBand band = model.greyLineBand();
    const double start = double(model.shownInstant().toSecsSinceEpoch());
    return astro::greyLineWindows(home->place.point, target->place.point, start, start + 86400.0,
                                  band.low, band.high);
}
