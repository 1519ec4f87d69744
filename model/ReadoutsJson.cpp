#include "model/ReadoutsJson.h"

#include "astro/PlaceSun.h"
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

} // namespace

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
    insertWeatherJson(json, model);
    return json;
}
