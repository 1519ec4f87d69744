#include "model/ReadoutsJson.h"

#include "astro/PlaceSun.h"
#include "eclipses/LocalCircumstances.h"
#include "model/MapModel.h"
#include "model/ShownTexts.h"
#include "model/SkyTexts.h"
#include "model/WeatherTexts.h"
#include "places/GreatCircle.h"
#include "places/Locator.h"
#include "zones/ClockChange.h"
#include "zones/TimeZones.h"

#include <QJsonArray>

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

QString isoUtc(const QDateTime &instant)
{
    return instant.toUTC().toString(Qt::ISODate);
}

QJsonValue isoUtcSeconds(qint64 seconds)
{
    return isoUtc(QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()));
}

/// A float as the shortest decimal that reads back as it, not its binary value.
double shortestDecimal(float value)
{
    char text[32];
    const char *end = std::to_chars(text, text + sizeof text, value).ptr;
    return QByteArray(text, end - text).toDouble();
}

/// An instant found to a fraction of a second, to the nearest second; or null.
QJsonValue isoUtcNearestSecond(const std::optional<double> &seconds)
{
    return seconds ? isoUtcSeconds(qint64(std::llround(*seconds))) : QJsonValue(QJsonValue::Null);
}

/// A figure to a fixed number of decimals, so that it reads as shown.
double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

/// One end of the path: where and what it is, its local time, the Sun there
/// now and the sunrise and sunset of its local date.
QJsonValue placeJson(const MapModel &model, PlaceEnd end)
{
    const std::optional<ChosenPlace> &chosen = model.place(end);
    if (!chosen)
        return QJsonValue::Null;
    const places::Place &place = chosen->place;
    const PlaceEndSun sky = placeEndSun(model, end);
    const astro::RiseSet &sun = sky.riseSet;
    const astro::Horizontal &now = sky.now;
    return QJsonObject{
        {QStringLiteral("name"), place.name.empty()
                                     ? QJsonValue(QJsonValue::Null)
                                     : QJsonValue(QString::fromStdString(place.name))},
        {QStringLiteral("latitude_degrees"), rounded(place.point.latitude, 6)},
        {QStringLiteral("longitude_degrees"), rounded(place.point.longitude, 6)},
        {QStringLiteral("locator"), QString::fromStdString(places::locatorOf(place.point))},
        {QStringLiteral("zone"), QString::fromStdString(place.zone)},
        {QStringLiteral("zone_inferred"), place.zoneInferred},
        {QStringLiteral("local_time"), sky.local.toString(Qt::ISODate)},
        {QStringLiteral("sun_altitude_degrees"), rounded(now.altitudeDeg, 4)},
        {QStringLiteral("sun_azimuth_degrees"), rounded(now.azimuthDeg, 4)},
        {QStringLiteral("sunrise_utc"), isoUtcNearestSecond(sun.sunrise)},
        {QStringLiteral("sunset_utc"), isoUtcNearestSecond(sun.sunset)},
        {QStringLiteral("polar"), sun.polar == astro::RiseSet::Polar::Day ? QJsonValue("day")
                                  : sun.polar == astro::RiseSet::Polar::Night
                                      ? QJsonValue("night")
                                      : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("aurora"), placeAuroraJson(model, end)},
    };
}

/// Home, target, the path between them and the grey line's windows over the
/// next 24 hours; the path and the windows are null until both are set.
void insertPlaces(QJsonObject &json, const MapModel &model)
{
    const auto &home = model.place(PlaceEnd::Home);
    const auto &target = model.place(PlaceEnd::Target);
    if (!home && !target)
        return;
    for (const PlaceEndInfo &end : kPlaceEnds)
        json.insert(QLatin1String(end.jsonKey), placeJson(model, end.end));
    if (!home || !target) {
        json.insert(QStringLiteral("path"), QJsonValue::Null);
        json.insert(QStringLiteral("grey_line"), QJsonValue::Null);
        return;
    }
    const GeoPoint from = home->place.point, to = target->place.point;
    const places::GreatCirclePath path = places::greatCirclePath(from, to);
    json.insert(
        QStringLiteral("path"),
        QJsonObject{{QStringLiteral("short_bearing_degrees"), rounded(path.shortBearingDeg, 3)},
                    {QStringLiteral("reverse_bearing_degrees"), rounded(path.reverseBearingDeg, 3)},
                    {QStringLiteral("short_distance_km"), rounded(path.shortDistanceKm, 3)},
                    {QStringLiteral("long_bearing_degrees"), rounded(path.longBearingDeg, 3)},
                    {QStringLiteral("long_distance_km"), rounded(path.longDistanceKm, 3)}});
    const GreyLineBand band = model.greyLineBand();
    QJsonArray windows;
    for (const astro::TimeSpan &span : greyLineWindowsAhead(model))
        windows.append(QJsonObject{{QStringLiteral("start"), isoUtcNearestSecond(span.start)},
                                   {QStringLiteral("end"), isoUtcNearestSecond(span.end)}});
    json.insert(QStringLiteral("grey_line"),
                QJsonObject{{QStringLiteral("band_degrees"), QJsonArray{band.low, band.high}},
                            {QStringLiteral("windows"), windows}});
}

const char *eclipseTypeName(eclipses::Type type)
{
    switch (type) {
    case eclipses::Type::Partial:
        return "partial";
    case eclipses::Type::Annular:
        return "annular";
    case eclipses::Type::Total:
        return "total";
    case eclipses::Type::Hybrid:
        return "hybrid";
    case eclipses::Type::Penumbral:
        break;
    }
    return "penumbral";
}

/// A contact found to a hundredth of a second, to the nearest second; null where absent.
QJsonValue contactUtc(double seconds)
{
    return std::isfinite(seconds) ? isoUtcNearestSecond(seconds) : QJsonValue(QJsonValue::Null);
}

/// What one place sees of the eclipse: for a lunar one, the most of it seen
/// with the Moon up at one of its contacts.
QJsonObject eclipseAtPlace(const eclipses::Eclipse &e, const GeoPoint &place, double metres)
{
    using namespace eclipses;
    if (e.kind == Kind::Solar) {
        const SolarLocalCircumstances local = solarLocalCircumstances(e, place, metres);
        static constexpr const char *seen[] = {"none", "partial", "annular", "total"};
        QJsonObject json{{QStringLiteral("seen"), QLatin1String(seen[size_t(local.seen)])}};
        for (size_t i = 0; i < local.contacts.size(); ++i)
            json.insert(QStringLiteral("c%1_utc").arg(i + 1), contactUtc(local.contacts[i]));
        json.insert(QStringLiteral("greatest_magnitude"), rounded(local.magnitude, 4));
        json.insert(QStringLiteral("obscuration"), rounded(local.obscuration, 4));
        json.insert(QStringLiteral("totality_seconds"), rounded(local.centralSeconds, 1));
        json.insert(QStringLiteral("sun_altitude_degrees"), rounded(local.sunAltitudeDeg, 2));
        return json;
    }
    const LunarLocalCircumstances local = lunarLocalCircumstances(e, place, metres);
    const auto &up = local.moonUpAtContact;
    const char *seen = up[U2] || up[U3]   ? "total"
                       : up[U1] || up[U4] ? "partial"
                       : local.seen       ? "penumbral"
                                          : "none";
    // Below totality's kind of eclipse, the most the eclipse itself reaches.
    if (e.type != Type::Total && std::string_view(seen) == "total")
        seen = eclipseTypeName(e.type);
    QJsonObject json{{QStringLiteral("seen"), QLatin1String(seen)}};
    static constexpr std::pair<LunarContact, const char *> contacts[] = {
        {P1, "p1_utc"}, {U1, "u1_utc"}, {U2, "u2_utc"},
        {U3, "u3_utc"}, {U4, "u4_utc"}, {P4, "p4_utc"}};
    for (const auto &[contact, key] : contacts)
        json.insert(QLatin1String(key), contactUtc(e.contacts[contact]));
    json.insert(QStringLiteral("umbral_magnitude"), rounded(e.magnitude, 4));
    json.insert(QStringLiteral("penumbral_magnitude"), rounded(e.penumbralMagnitude, 4));
    json.insert(QStringLiteral("moon_altitude_degrees"),
                rounded(local.moonAltitudeAtGreatestDeg, 2));
    return json;
}

/// The eclipse under way at the instant, and what home and target see of it.
QJsonValue eclipseUnderWayJson(const MapModel &model)
{
    const std::optional<eclipses::Eclipse> e =
        eclipses::eclipseUnderWay(model.shownInstant().toMSecsSinceEpoch() / 1000.0);
    if (!e)
        return QJsonValue::Null;
    QJsonObject json = eclipseJson(*e);
    for (const PlaceEndInfo &end : kPlaceEnds) {
        const std::optional<ChosenPlace> &chosen = model.place(end.end);
        const double metres = end.end == PlaceEnd::Home ? model.homeElevation() : 0.0;
        json.insert(QLatin1String(end.jsonKey),
                    chosen ? QJsonValue(eclipseAtPlace(*e, chosen->place.point, metres))
                           : QJsonValue(QJsonValue::Null));
    }
    return json;
}

/// Each chosen satellite at the instant, and its next pass over home when
/// home is set.
QJsonArray satellitesJson(const MapModel &model)
{
    const auto &home = model.place(PlaceEnd::Home);
    const std::optional<GeoPoint> homePoint =
        home ? std::optional(home->place.point) : std::nullopt;
    const double now = double(model.shownInstant().toMSecsSinceEpoch()) / 1000.0;
    const Satellites &satellites = model.satellites();
    QJsonArray all;
    for (const SatelliteNow &each : satellites.at(now, homePoint, model.homeElevation())) {
        QJsonValue next = QJsonValue::Null;
        if (homePoint) {
            const std::vector<orbits::Pass> passes =
                passesOver(*each.satellite, *homePoint, model.homeElevation(),
                           satellites.elevationMask(), now);
            if (!passes.empty()) {
                const orbits::Pass &pass = passes.front();
                next = QJsonObject{
                    {QStringLiteral("rise_utc"), isoUtcNearestSecond(pass.riseUnixSeconds)},
                    {QStringLiteral("culmination_utc"),
                     isoUtcNearestSecond(pass.culminationUnixSeconds)},
                    {QStringLiteral("set_utc"), isoUtcNearestSecond(pass.setUnixSeconds)},
                    {QStringLiteral("max_elevation_degrees"), rounded(pass.maxElevationDeg, 2)},
                    {QStringLiteral("rise_azimuth_degrees"), rounded(pass.riseAzimuthDeg, 2)},
                    {QStringLiteral("set_azimuth_degrees"), rounded(pass.setAzimuthDeg, 2)},
                    {QStringLiteral("visible"), pass.visible}};
            }
        }
        const orbits::ElementSet &elements = each.satellite->elements;
        all.append(QJsonObject{
            {QStringLiteral("name"), each.satellite->name()},
            {QStringLiteral("catalog_number"), elements.catalogNumber},
            {QStringLiteral("latitude_degrees"), rounded(each.place.subPoint.latitude, 4)},
            {QStringLiteral("longitude_degrees"), rounded(each.place.subPoint.longitude, 4)},
            {QStringLiteral("altitude_km"), rounded(each.place.heightKm, 3)},
            {QStringLiteral("footprint_radius_km"), rounded(each.footprintRadiusKm, 1)},
            {QStringLiteral("sunlit"), each.place.sunlit},
            {QStringLiteral("element_age_days"), rounded(each.elementAgeDays, 3)},
            {QStringLiteral("next_pass"), next}});
    }
    return all;
}

} // namespace

QJsonObject eclipseJson(const eclipses::Eclipse &e)
{
    const bool solar = e.kind == eclipses::Kind::Solar;
    return {
        {QStringLiteral("kind"), solar ? QStringLiteral("solar") : QStringLiteral("lunar")},
        {QStringLiteral("type"), QLatin1String(eclipseTypeName(e.type))},
        {QStringLiteral("greatest_utc"), isoUtcNearestSecond(e.greatest)},
        {QStringLiteral("delta_t_seconds"), rounded(e.deltaT, 1)},
        {QStringLiteral("greatest_latitude_degrees"), rounded(e.place.latitude, 4)},
        {QStringLiteral("greatest_longitude_degrees"), rounded(e.place.longitude, 4)},
        {QStringLiteral("duration_seconds"), rounded(e.durationSeconds, 1)},
        {QStringLiteral("path_width_km"), rounded(e.pathWidthKm, 1)},
        {QStringLiteral("magnitude"), rounded(e.magnitude, 4)},
    };
}

QJsonObject readoutsJson(const MapModel &model, const MapGeometry &geometry)
{
    const QDateTime instant = model.shownInstant();
    const qint64 now = instant.toSecsSinceEpoch();
    const ClockTexts clock = clockTexts(model);
    const PlaceTexts place = placeTexts(model, geometry);
    const QtZoneCalendar zone(model.timeZone());
    const LocalFields fields = zone.fieldsAt(now);
    // The place as the readouts give it: through the marker's pixel position.
    const GeoPoint marker = model.markerPlace();
    const float latitude = yToLatitude(latitudeToY(marker.latitude, geometry), geometry);
    const float longitude = xToLongitude(longitudeToX(marker.longitude, geometry), geometry);
    const SunEvents sun = sunEvents(now, zone, {latitude, longitude});

    QJsonObject json{
        {QStringLiteral("time"), clock.time},
        {QStringLiteral("date"), clock.date},
        {QStringLiteral("sunrise"), place.sunrise},
        {QStringLiteral("sunset"), place.sunset},
        {QStringLiteral("latitude"), place.latitude},
        {QStringLiteral("longitude"), place.longitude},
        {QStringLiteral("zone"), QString::fromUtf8(model.timeZone().id())},
        {QStringLiteral("instant"), isoUtc(instant)},
        {QStringLiteral("utc_offset_seconds"), fields.offsetSeconds},
        {QStringLiteral("abbreviation"), QString::fromStdString(fields.abbreviation)},
        {QStringLiteral("place"),
         QJsonObject{{QStringLiteral("latitude"), shortestDecimal(latitude)},
                     {QStringLiteral("longitude"), shortestDecimal(longitude)}}},
    };
    const bool risesAndSets = sun.kind == SunEvents::Kind::RisesAndSets;
    json.insert(QStringLiteral("sunrise_utc"),
                risesAndSets ? isoUtcSeconds(sun.sunrise) : QJsonValue(QJsonValue::Null));
    json.insert(QStringLiteral("sunset_utc"),
                risesAndSets ? isoUtcSeconds(sun.sunset) : QJsonValue(QJsonValue::Null));
    // The readouts' values without their words, for scripts.
    const auto localClock = [&](qint64 seconds) -> QJsonValue {
        if (!risesAndSets)
            return QJsonValue::Null;
        return QDateTime::fromSecsSinceEpoch(seconds, model.timeZone())
            .toString(QStringLiteral("HH:mm"));
    };
    json.insert(QStringLiteral("sunrise_local"), localClock(sun.sunrise));
    json.insert(QStringLiteral("sunset_local"), localClock(sun.sunset));
    json.insert(QStringLiteral("latitude_degrees"), shortestDecimal(latitude));
    json.insert(QStringLiteral("longitude_degrees"), shortestDecimal(longitude));
    json.insert(QStringLiteral("sun"), sun.kind == SunEvents::Kind::RisesAndSets
                                           ? QJsonValue(QStringLiteral("rises-and-sets"))
                                       : sun.kind == SunEvents::Kind::AlwaysUp
                                           ? QJsonValue(QStringLiteral("always-up"))
                                       : sun.kind == SunEvents::Kind::AlwaysDown
                                           ? QJsonValue(QStringLiteral("always-down"))
                                           : QJsonValue(QJsonValue::Null));

    const std::optional<ClockChange> change = nextClockChange(model.timeZone(), instant);
    json.insert(QStringLiteral("next_change"),
                change ? QJsonValue(QJsonObject{
                             {QStringLiteral("instant"), isoUtc(change->instant)},
                             {QStringLiteral("offset_before_seconds"), change->offsetBeforeSeconds},
                             {QStringLiteral("offset_after_seconds"), change->offsetAfterSeconds}})
                       : QJsonValue(QJsonValue::Null));

    QJsonArray pins;
    for (const PinTexts &pin : pinTexts(model)) {
        pins.append(QJsonObject{{QStringLiteral("zone"), pin.zone},
                                {QStringLiteral("time"), pin.time},
                                {QStringLiteral("date"), pin.date},
                                {QStringLiteral("utc_offset_seconds"), pin.utcOffsetSeconds},
                                {QStringLiteral("light"), pin.light}});
    }
    json.insert(QStringLiteral("pins"), pins);
    const QJsonObject sky = skyJson(astro::skyPositions(utcInstant(model.shownInstant())));
    for (auto member = sky.begin(); member != sky.end(); ++member)
        json.insert(member.key(), member.value());
    insertPlaces(json, model);
    if (const QJsonValue eclipse = eclipseUnderWayJson(model); !eclipse.isNull())
        json.insert(QStringLiteral("eclipse"), eclipse);
    if (!model.satellites().elements().empty())
        json.insert(QStringLiteral("satellites"), satellitesJson(model));
    insertWeatherJson(json, model);
    return json;
}
