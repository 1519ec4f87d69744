#include "model/ReadoutsJson.h"

#include "model/MapModel.h"
#include "model/ShownTexts.h"
#include "model/SkyTexts.h"
#include "zones/ClockChange.h"
#include "zones/TimeZones.h"

#include <QJsonArray>

#include <charconv>

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
    return json;
}
