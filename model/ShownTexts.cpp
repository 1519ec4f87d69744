#include "model/ShownTexts.h"

#include "mapcore/NightOverlay.h"
#include "model/MapModel.h"
#include "model/SkyTexts.h"
#include "platform/Translations.h"
#include "readouts/ReadoutTexts.h"
#include "zones/ClockChange.h"
#include "zones/TimeZones.h"

#include <QCoreApplication>

#include <QTimeZone>

#include <cmath>
#include <cstdlib>

namespace {

/// The time readout: the English form, or the same fields with the locale's digits.
QString shownTime(const LocalFields &fields)
{
    if (usesEnglishTexts())
        return QString::fromStdString(timeText(fields));
    const std::string english = timeText(fields);
    return QLocale().toString(QTime(fields.hour, fields.minute, fields.second),
                              QStringLiteral("H:mm:ss")) +
           QString::fromStdString(english.substr(english.find(' ')));
}

QString shownDate(const LocalFields &fields)
{
    return longDateText(QDate(fields.year, fields.month, fields.day));
}

} // namespace

ClockTexts clockTexts(const MapModel &model)
{
    const QtZoneCalendar zone(model.timeZone());
    const LocalFields fields = zone.fieldsAt(model.shownInstant().toSecsSinceEpoch());
    return {shownTime(fields), shownDate(fields)};
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
    return {relabeledText(sun.sunrise, "Sunrise"), relabeledText(sun.sunset, "Sunset"),
            relabeledText(latitudeText(latitude), "Latitude"),
            relabeledText(longitudeText(longitude), "Longitude")};
}

namespace {

/// "+8 h", "−5:30", "+0 h": whole hours with a unit, else hours and minutes.
QString offsetDifferenceText(int seconds)
{
    const QString sign = seconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    const int minutes = std::abs(seconds) / 60;
    if (minutes % 60 == 0)
        //: A difference of whole hours between two clocks: "+8 h"
        return QCoreApplication::translate("ShownTexts", "%1%2 h").arg(sign).arg(minutes / 60);
    return QStringLiteral("%1%2:%3")
        .arg(sign)
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// By Daylight: the light at a world clock's place now.
constexpr const char *kLightNames[] = {
    //: The light at a world clock's place now
    QT_TRANSLATE_NOOP("ShownTexts", "day"),
    //: The light at a world clock's place now
    QT_TRANSLATE_NOOP("ShownTexts", "twilight"),
    //: The light at a world clock's place now
    QT_TRANSLATE_NOOP("ShownTexts", "night"),
};

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
        texts.time = shownTime(fields);
        texts.date = shownDate(fields);
        const int shift = int(std::abs(days));
        if (days != 0)
            //: How many days a world clock's date lies ahead of or behind the selected zone's;
            //: %1 is the sign
            texts.dayShift = QCoreApplication::translate("ShownTexts", "%1%n day", "", shift)
                                 .arg(days < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"));
        texts.offset = offsetDifferenceText(fields.offsetSeconds - selected.offsetSeconds);
        texts.light = QLatin1String(kLightNames[int(light)]);
        texts.utcOffsetSeconds = fields.offsetSeconds;
        pins.append(texts);
    }
    return pins;
}

QString mapDescription(const MapModel &model)
{
    const qint64 minute = model.shownInstant().toSecsSinceEpoch() / 60 * 60;
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(minute, QTimeZone::utc());
    const double altitude =
        sunAltitudeAt(sunQuantities(utcFields(utc)), model.zones().placeOf(model.zoneName()));
    const QString light =
        QCoreApplication::translate("ShownTexts", kLightNames[int(daylightFor(altitude))]);
    const int degrees = int(std::lround(std::fabs(altitude)));
    //: What the map shows, for screen readers: %1 the date, %2 the time (UTC)
    const QString shown = QCoreApplication::translate("ShownTexts", "Day and night map, %1 %2 UTC.")
                              .arg(longDateText(utc.date()), utc.toString(QStringLiteral("HH:mm")));
    //: %1 a city, %2 day, twilight or night there, %3 the Sun's height in degrees
    const QString up = QCoreApplication::translate("ShownTexts", "%1: %2, Sun %3° high.");
    //: %1 a city, %2 day, twilight or night there, %3 the Sun's depth in degrees
    const QString down =
        QCoreApplication::translate("ShownTexts", "%1: %2, Sun %3° below the horizon.");
    return shown + QLatin1Char(' ') +
           (altitude >= 0.0 ? up : down).arg(cityOf(model.zoneName()), light).arg(degrees);
}

QString nextChangeText(const MapModel &model)
{
    const std::optional<ClockChange> change =
        nextClockChange(model.timeZone(), model.shownInstant());
    return change ? clockChangeText(*change) : QString();
}
