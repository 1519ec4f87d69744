#include "model/ShownTexts.h"

#include "eclipses/LocalCircumstances.h"
#include "mapcore/NightOverlay.h"
#include "model/MapModel.h"
#include "model/SkyTexts.h"
#include "model/WeatherTexts.h"
#include "places/GreatCircle.h"
#include "places/Locator.h"
#include "platform/CoordinateText.h"
#include "platform/Translations.h"
#include "readouts/ReadoutTexts.h"
#include "zones/ClockChange.h"
#include "zones/LocalZoneNames.h"
#include "zones/TimeZones.h"

#include <QCoreApplication>
#include <QLocale>

#include <QTimeZone>

#include <algorithm>
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
    const SunEvents sun =
        sunEvents(model.shownInstant().toSecsSinceEpoch(), zone, {latitude, longitude});
    PlaceTexts texts;
    switch (sun.kind) {
    case SunEvents::Kind::RisesAndSets:
        texts.sunriseValue = readoutValue(sunClockValue(sun.sunrise, zone));
        texts.sunsetValue = readoutValue(sunClockValue(sun.sunset, zone));
        texts.sunrise = readoutText("Sunrise", texts.sunriseValue);
        texts.sunset = readoutText("Sunset", texts.sunsetValue);
        break;
    case SunEvents::Kind::AlwaysUp:
        texts.sunrise = texts.sunriseValue =
            QCoreApplication::translate("Readouts", "Sun never sets");
        break;
    case SunEvents::Kind::AlwaysDown:
        texts.sunrise = texts.sunriseValue =
            QCoreApplication::translate("Readouts", "Sun never rises");
        break;
    case SunEvents::Kind::Unknown:
        break;
    }
    const PositionValue north = latitudeValue(latitude);
    const PositionValue east = longitudeValue(longitude);
    texts.latitudeValue = readoutValue(north.value, north.hemisphere);
    texts.longitudeValue = readoutValue(east.value, east.hemisphere);
    texts.latitude = readoutText("Latitude", texts.latitudeValue);
    texts.longitude = readoutText("Longitude", texts.longitudeValue);
    return texts;
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
    const QString local = localCityName(zone);
    return local.isEmpty() ? cityOfZoneId(zone) : local;
}

std::span<const char *const> pinLights()
{
    return kLightNames;
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
        texts.clock =
            QStringLiteral("%1:%2").arg(fields.hour).arg(fields.minute, 2, 10, QLatin1Char('0'));
        texts.time = shownTime(fields);
        texts.date = shownDate(fields);
        const int shift = int(std::abs(days));
        if (days != 0)
            //: How many days a world clock's date lies ahead of or behind the selected zone's;
            //: %1 is the sign
            // %n is put in first: the sign is put in by hand, as arg() would
            // take "%1" and the count's first digit for "%11".
            texts.dayShift = QCoreApplication::translate("ShownTexts", "%1%n day", "", shift)
                                 .replace(QLatin1String("%1"), days < 0 ? QStringLiteral("\u2212")
                                                                        : QStringLiteral("+"));
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
    //: What the map shows, for screen readers: %1 the date, %2 the time (UTC)
    const QString shown = QCoreApplication::translate("ShownTexts", "Day and night map, %1 %2 UTC.")
                              .arg(longDateText(utc.date()), utc.toString(QStringLiteral("HH:mm")));
    //: %1 a city, %2 day, twilight or night there, %3 the Sun's height in degrees
    const QString up = QCoreApplication::translate("ShownTexts", "%1: %2, Sun %3° high.");
    //: %1 a city, %2 day, twilight or night there, %3 the Sun's depth in degrees
    const QString down =
        QCoreApplication::translate("ShownTexts", "%1: %2, Sun %3° below the horizon.");
    return shown + QLatin1Char(' ') +
           (altitude >= 0.0 ? up : down)
               .arg(cityOf(model.zoneName()), light, shownDegrees(std::fabs(altitude)));
}

QString nextChangeText(const MapModel &model)
{
    const std::optional<ClockChange> change =
        nextClockChange(model.timeZone(), model.shownInstant());
    return change ? clockChangeText(*change) : QString();
}

namespace {

/// Whole numbers with the locale's grouping: "6,245" in English.
QString wholeNumber(double value)
{
    const QLocale locale = usesEnglishTexts() ? QLocale(QLocale::English) : QLocale();
    return locale.toString(qlonglong(std::llround(value)));
}

/// "7:58" in a zone, with the locale's digits.
QString clockText(const QDateTime &instant, const QTimeZone &zone)
{
    return QLocale().toString(instant.toTimeZone(zone).time(), QStringLiteral("H:mm"));
}

QString clockText(double unixSeconds, const QTimeZone &zone)
{
    return clockText(QDateTime::fromSecsSinceEpoch(std::llround(unixSeconds), QTimeZone::utc()),
                     zone);
}

struct EndTexts
{
    QString line, details;
};

/// What a place sees of an eclipse within a day of the shown instant, with
/// its local times; empty when none is near.
QString eclipseText(const MapModel &model, const places::Place &place, double metres,
                    const QTimeZone &zone)
{
    using namespace eclipses;
    const std::optional<Eclipse> e =
        eclipseWithin(model.shownInstant().toMSecsSinceEpoch() / 1000.0, 86400.0);
    if (!e)
        return {};
    // A contact with the Sun or the Moon below the horizon is not seen: the
    // span runs from its rising or to its setting instead.
    const auto when = [&](double t, bool up, bool before, const char *rise, const char *set) {
        return up ? clockText(t, zone)
                  : QCoreApplication::translate("ShownTexts", before ? rise : set);
    };
    //: In place of the local time an eclipse is first seen: the Sun rises during it
    const char *const sunrise = QT_TRANSLATE_NOOP("ShownTexts", "sunrise");
    //: In place of the local time an eclipse is last seen: the Sun sets during it
    const char *const sunset = QT_TRANSLATE_NOOP("ShownTexts", "sunset");
    if (e->kind == Kind::Solar) {
        const SolarLocalCircumstances local = solarLocalCircumstances(*e, place.point, metres);
        const auto contact = [&](size_t i) {
            return when(local.contacts[i], local.sunUpAtContact[i], i < 2, sunrise, sunset);
        };
        const QString sun = shownDegrees(local.sunAltitudeDeg);
        switch (local.seen) {
        case Seen::Total:
            //: What a place sees of a solar eclipse: %1 and %2 the local times totality begins
            //: and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun's height
            //: in degrees at the greatest
            return QCoreApplication::translate("ShownTexts",
                                               "total eclipse %1–%2 (partial %3–%4), Sun %5°")
                .arg(contact(1), contact(2), contact(0), contact(3), sun);
        case Seen::Annular:
            //: %1 and %2 the local times the ring of the Sun begins and ends, %3 and %4 those
            //: of the partial eclipse around it, %5 the Sun's height in degrees at the greatest
            return QCoreApplication::translate("ShownTexts",
                                               "annular eclipse %1–%2 (partial %3–%4), Sun %5°")
                .arg(contact(1), contact(2), contact(0), contact(3), sun);
        case Seen::Partial:
            //: %1 and %2 the local times a partial solar eclipse begins and ends (or sunrise,
            //: sunset), %3 the most of the Sun's diameter covered, in per cent rounded down, %4
            //: the local time of that greatest, %5 the Sun's height in degrees then
            return QCoreApplication::translate("ShownTexts",
                                               "partial eclipse %1–%2, %3 % at %4, Sun %5°")
                .arg(contact(0), contact(3), wholeNumber(std::floor(100.0 * local.magnitude)),
                     clockText(local.greatest, zone), sun);
        case Seen::None:
            break;
        }
        //: A solar eclipse is near, but this place does not see it
        return QCoreApplication::translate("ShownTexts", "no eclipse seen");
    }
    const LunarLocalCircumstances local = lunarLocalCircumstances(*e, place.point, metres);
    const auto &up = local.moonUpAtContact;
    //: In place of the local time a lunar eclipse is first seen: the Moon rises during it
    const char *const moonrise = QT_TRANSLATE_NOOP("ShownTexts", "moonrise");
    //: In place of the local time a lunar eclipse is last seen: the Moon sets during it
    const char *const moonset = QT_TRANSLATE_NOOP("ShownTexts", "moonset");
    const auto span = [&](const char *text, LunarContact from, LunarContact to) {
        return QCoreApplication::translate("ShownTexts", text)
            .arg(when(e->contacts[from], up[from], true, moonrise, moonset),
                 when(e->contacts[to], up[to], false, moonrise, moonset));
    };
    if (up[U2] || up[U3])
        //: %1 and %2 the local times a total lunar eclipse's totality begins and ends (or
        //: moonrise, moonset)
        return span(QT_TRANSLATE_NOOP("ShownTexts", "total lunar eclipse %1–%2"), U2, U3);
    if (up[U1] || up[U4])
        //: %1 and %2 the local times the Moon enters and leaves the Earth's umbra (or moonrise,
        //: moonset)
        return span(QT_TRANSLATE_NOOP("ShownTexts", "partial lunar eclipse %1–%2"), U1, U4);
    if (local.seen)
        //: %1 and %2 the local times the Moon enters and leaves the Earth's penumbra (or
        //: moonrise, moonset)
        return span(QT_TRANSLATE_NOOP("ShownTexts", "penumbral lunar eclipse %1–%2"), P1, P4);
    //: A lunar eclipse is near, but the Moon is below this place's horizon throughout
    return QCoreApplication::translate("ShownTexts", "lunar eclipse not seen");
}

EndTexts endTexts(const MapModel &model, PlaceEnd end)
{
    const places::Place &place = model.place(end)->place;
    const PlaceEndSun sun = placeEndSun(model, end);
    const QTimeZone zone = sun.local.timeZone();
    const QString locator = QString::fromStdString(places::locatorOf(place.point));
    const QString name = shownName(*model.place(end));
    //: Marks a local time whose zone is only guessed, from the nearest city or the longitude
    const QString approximately =
        place.zoneInferred ? QCoreApplication::translate("ShownTexts", "≈") : QString();
    const astro::RiseSet &riseSet = sun.riseSet;
    QString light;
    if (riseSet.polar == astro::RiseSet::Polar::Day)
        //: The Sun does not set on this day at a place
        light = QCoreApplication::translate("ShownTexts", "polar day");
    else if (riseSet.polar == astro::RiseSet::Polar::Night)
        //: The Sun does not rise on this day at a place
        light = QCoreApplication::translate("ShownTexts", "polar night");
    else {
        //: A sunrise or sunset that does not happen on this day
        const QString none = QCoreApplication::translate("ShownTexts", "none");
        //: %1 and %2 are local times, such as 7:58
        light = QCoreApplication::translate("ShownTexts", "sunrise %1, sunset %2")
                    .arg(riseSet.sunrise ? clockText(*riseSet.sunrise, zone) : none,
                         riseSet.sunset ? clockText(*riseSet.sunset, zone) : none);
    }
    const QString label = placeEndTitle(end);
    //: One end of the path: %1 Home or Target, %2 its name or locator, %3 its local time,
    //: %4 its sunrise and sunset, %5 the Sun's height in degrees
    QString line = QCoreApplication::translate("ShownTexts", "%1 %2 · %3 · %4 · Sun %5°")
                       .arg(label, name, approximately + clockText(sun.local, zone), light,
                            shownDegrees(sun.now.altitudeDeg));
    const double metres = end == PlaceEnd::Home ? model.homeElevation() : 0.0;
    if (const QString eclipse = eclipseText(model, place, metres, zone); !eclipse.isEmpty())
        line += QStringLiteral(" · ") + eclipse;
    if (const std::optional<weather::AuroraVerdict> aurora = auroraAt(model, end))
        line += QStringLiteral(" · ") + auroraReasonText(aurora->sight);
    const QString zoneText =
        QString::fromStdString(place.zone) +
        (place.zoneInferred
             ? QLatin1Char(' ') + QCoreApplication::translate("ShownTexts", "(guessed)")
             : QString());
    //: %1 the place's latitude and longitude, %2 the Maidenhead locator, %3 the time zone,
    //: %4 the Sun's compass direction in degrees
    const QString details =
        QCoreApplication::translate("ShownTexts", "%1 · locator %2\nTime zone %3\nSun towards %4°")
            .arg(shownCoordinates(place.point, 4), locator, zoneText,
                 shownBearing(sun.now.azimuthDeg));
    return {line, details};
}

/// When the grey line next joins both ends, in home's time: the row tells of
/// home first, whatever zone the clock above shows.
QString greyLineText(const MapModel &model)
{
    const std::vector<astro::TimeSpan> windows = greyLineWindowsAhead(model);
    if (windows.empty())
        //: No span within the next day when both places are in the twilight band
        return QCoreApplication::translate("ShownTexts", "no grey line within 24 h");
    const astro::TimeSpan &next = windows.front();
    const QTimeZone zone = placeEndSun(model, PlaceEnd::Home).local.timeZone();
    const double now = double(model.shownInstant().toSecsSinceEpoch());
    if (next.start <= now)
        //: Both places are in the twilight band now; %1 is the time it ends at home
        return QCoreApplication::translate("ShownTexts", "grey line now, until %1 (home time)")
            .arg(clockText(next.end, zone));
    const QDateTime start =
        QDateTime::fromSecsSinceEpoch(std::llround(next.start), QTimeZone::utc()).toTimeZone(zone);
    QString from = clockText(start, zone);
    if (start.date() != model.shownInstant().toTimeZone(zone).date())
        from = QLocale().dayName(start.date().dayOfWeek(), QLocale::ShortFormat) +
               QLatin1Char(' ') + from;
    //: The next span when both places are in the twilight band, in home's times: 16:02–16:40
    return QCoreApplication::translate("ShownTexts", "grey line %1–%2 (home time)")
        .arg(from, clockText(next.end, zone));
}

/// What the row says of a pass: "ISS rises 21:04, 45°", the weekday before a
/// time on a later day.
QString passText(const MapModel &model, const ShownSatellite &satellite, const orbits::Pass &pass,
                 const QTimeZone &zone)
{
    const double now = double(model.shownInstant().toMSecsSinceEpoch()) / 1000.0;
    const QString elevation = shownDegrees(pass.maxElevationDeg);
    if (pass.riseUnixSeconds <= now)
        return (pass.visible
                    //: A satellite above home's horizon now that can be seen by eye: %1 its
                    //: name, %2 when it sets, %3 its greatest elevation in degrees
                    ? QCoreApplication::translate("ShownTexts", "%1 visible until %2, %3°")
                    //: A satellite above home's horizon now: %1 its name, %2 when it sets,
                    //: %3 its greatest elevation in degrees
                    : QCoreApplication::translate("ShownTexts", "%1 up until %2, %3°"))
            .arg(satellite.name(), clockText(pass.setUnixSeconds, zone), elevation);
    const QDateTime rise =
        QDateTime::fromSecsSinceEpoch(std::llround(pass.riseUnixSeconds), QTimeZone::utc())
            .toTimeZone(zone);
    QString when = clockText(rise, zone);
    if (rise.date() != model.shownInstant().toTimeZone(zone).date())
        when = QLocale().dayName(rise.date().dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
               when;
    return (pass.visible
                //: The next pass of a satellite over home that can be seen by eye: %1
                //: its name, %2 when it rises, %3 its greatest elevation
                ? QCoreApplication::translate("ShownTexts", "%1 visible %2, %3°")
                //: The next pass of a satellite over home: %1 its name, %2 when it
                //: rises, %3 its greatest elevation
                : QCoreApplication::translate("ShownTexts", "%1 rises %2, %3°"))
        .arg(satellite.name(), when, elevation);
}

/// The passes the row names; the Passes dialog lists them all.
constexpr qsizetype kPassesInRow = 3;

/// The soonest few chosen satellites' next passes over home on one line, and
/// every one's in the details.
EndTexts nextPassesTexts(const MapModel &model)
{
    const Satellites &satellites = model.satellites();
    const auto &home = model.place(PlaceEnd::Home);
    if (!home || satellites.shown().empty())
        return {};
    std::vector<Satellites::NextPass> passes =
        satellites.nextPasses(home->place.point, model.homeElevation(),
                              double(model.shownInstant().toMSecsSinceEpoch()) / 1000.0);
    std::stable_sort(passes.begin(), passes.end(), [](const auto &a, const auto &b) {
        // Those with no pass in the days searched last.
        return a.pass && (!b.pass || a.pass->riseUnixSeconds < b.pass->riseUnixSeconds);
    });
    const QTimeZone zone = placeEndSun(model, PlaceEnd::Home).local.timeZone();
    QStringList shown, details;
    for (const Satellites::NextPass &next : passes) {
        const QString text =
            next.pass ? passText(model, *next.satellite, *next.pass, zone)
                      //: A chosen satellite that does not rise above home's horizon
                      //: (the elevation mask) within the days searched; %1 its name
                      : QCoreApplication::translate("ShownTexts", "%1: no pass within 3 days")
                            .arg(next.satellite->name());
        details << text;
        if (next.pass && shown.size() < kPassesInRow)
            shown << text;
    }
    if (shown.isEmpty())
        return {};
    const auto withPass = std::count_if(passes.begin(), passes.end(),
                                        [](const auto &next) { return next.pass.has_value(); });
    if (const qsizetype more = withPass - shown.size(); more > 0)
        //: After the soonest passes in the row: how many chosen satellites are left out
        shown << QCoreApplication::translate("ShownTexts", "%n more", nullptr, int(more));
    //: The row of the chosen satellites' next passes over home: %1 the soonest few
    return {QCoreApplication::translate("ShownTexts", "Passes %1")
                .arg(shown.join(QStringLiteral(" · "))),
            details.join(QLatin1Char('\n'))};
}

} // namespace

HomeTargetTexts homeTargetTexts(const MapModel &model)
{
    HomeTargetTexts texts;
    if (model.place(PlaceEnd::Home)) {
        const EndTexts home = endTexts(model, PlaceEnd::Home);
        texts.home = home.line;
        texts.homeDetails = home.details;
        const EndTexts passes = nextPassesTexts(model);
        texts.passes = passes.line;
        texts.passesDetails = passes.details;
    }
    if (model.place(PlaceEnd::Target)) {
        const EndTexts target = endTexts(model, PlaceEnd::Target);
        texts.target = target.line;
        texts.targetDetails = target.details;
    }
    if (model.place(PlaceEnd::Home) && model.place(PlaceEnd::Target)) {
        const places::GreatCirclePath path = places::greatCirclePath(
            model.place(PlaceEnd::Home)->place.point, model.place(PlaceEnd::Target)->place.point);
        //: The short path (SP) and the long path (LP) from home to target: each its bearing
        //: from home and its length, as radio operators write them
        texts.path = QCoreApplication::translate("ShownTexts", "SP %1° %2 km · LP %3° %4 km")
                         .arg(shownBearing(path.shortBearingDeg), wholeNumber(path.shortDistanceKm),
                              shownBearing(path.longBearingDeg), wholeNumber(path.longDistanceKm)) +
                     QStringLiteral(" · ") + greyLineText(model);
        const GreyLineBand band = model.greyLineBand();
        //: %1 and %2 the Sun's heights that bound the grey line, such as −6 and 6
        texts.pathDetails =
            QCoreApplication::translate("ShownTexts",
                                        "Short path: towards %1° from home, %2° back from the "
                                        "target\nGrey line: the Sun from %3° to %4° at both ends")
                .arg(shownBearing(path.shortBearingDeg), shownBearing(path.reverseBearingDeg),
                     shownDegrees(band.low), shownDegrees(band.high));
    }
    return texts;
}
