#include "model/ShownTexts.h"

#include "mapcore/NightOverlay.h"
#include "model/MapModel.h"
#include "model/SkyTexts.h"
#include "readouts/ReadoutTexts.h"
#include "zones/ClockChange.h"
#include "zones/TimeZones.h"

#include <cstdlib>

ClockTexts clockTexts(const MapModel &model)
{
    const QtZoneCalendar zone(model.timeZone());
    const LocalFields fields = zone.fieldsAt(model.shownInstant().toSecsSinceEpoch());
    return {QString::fromStdString(timeText(fields)), QString::fromStdString(dateText(fields))};
}

PlaceTexts placeTexts(const MapModel &model, const MapGeometry &geometry)
{
    // The place as the marker stands on the map: through its pixel position
    // and back, in single precision.
    const GeoPoint place = model.markerPlace();
    const float latitude = yToLatitude(latitudeToY(place.latitude, geometry), geometry);
    const float longitude = xToLongitude(longitudeToX(place.longitude, geometry), geometry);
    const QtZoneCalendar zone(model.timeZone());
    const SunTexts sun =
        sunTexts(model.shownInstant().toSecsSinceEpoch(), zone, {latitude, longitude});
    return {QString::fromStdString(sun.sunrise), QString::fromStdString(sun.sunset),
            QString::fromStdString(latitudeText(latitude)),
            QString::fromStdString(longitudeText(longitude))};
}

namespace {

/// "+8 h", "−5:30", "+0 h": whole hours with a unit, else hours and minutes.
QString offsetDifferenceText(int seconds)
{
    const QString sign = seconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    const int minutes = std::abs(seconds) / 60;
    if (minutes % 60 == 0)
        return QStringLiteral("%1%2 h").arg(sign).arg(minutes / 60);
    return QStringLiteral("%1%2:%3")
        .arg(sign)
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString cityOf(const QString &zone)
{
    return zone.section(QLatin1Char('/'), -1).replace(QLatin1Char('_'), QLatin1Char(' '));
}

QList<PinTexts> pinTexts(const MapModel &model)
{
    QList<PinTexts> pins;
    const qint64 now = model.shownInstant().toSecsSinceEpoch();
    const LocalFields selected = QtZoneCalendar(model.timeZone()).fieldsAt(now);
    const QDate selectedDate(selected.year, selected.month, selected.day);
    const SunQuantities sun = sunQuantities(utcFields(model.shownInstant()));
    for (qsizetype i = 0; i < model.pinnedZones().size(); ++i) {
        const QString &zone = model.pinnedZones()[i];
        const LocalFields fields = QtZoneCalendar(model.pinnedTimeZones()[i]).fieldsAt(now);
        const qint64 days = selectedDate.daysTo(QDate(fields.year, fields.month, fields.day));
        const GeoPoint place = model.zones().placeOf(zone);
        const Daylight light = daylightFor(sunAltitudeAt(sun, place));
        PinTexts texts;
        texts.zone = zone;
        texts.city = cityOf(zone);
        texts.clock =
            QStringLiteral("%1:%2").arg(fields.hour).arg(fields.minute, 2, 10, QLatin1Char('0'));
        texts.time = QString::fromStdString(timeText(fields));
        texts.date = QString::fromStdString(dateText(fields));
        if (days != 0)
            texts.dayShift = QStringLiteral("%1%2 day")
                                 .arg(days < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"))
                                 .arg(std::abs(days));
        texts.offset = offsetDifferenceText(fields.offsetSeconds - selected.offsetSeconds);
        texts.light = light == Daylight::Day        ? QStringLiteral("day")
                      : light == Daylight::Twilight ? QStringLiteral("twilight")
                                                    : QStringLiteral("night");
        texts.utcOffsetSeconds = fields.offsetSeconds;
        pins.append(texts);
    }
    return pins;
}

QString nextChangeText(const MapModel &model)
{
    const std::optional<ClockChange> change =
        nextClockChange(model.timeZone(), model.shownInstant());
    return change ? clockChangeText(*change) : QString();
}
