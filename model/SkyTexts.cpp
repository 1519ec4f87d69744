#include "model/SkyTexts.h"

#include "platform/CoordinateText.h"

#include <QCoreApplication>
#include <QString>

namespace {

QJsonObject pointJson(const GeoPoint &point)
{
    return {{QStringLiteral("latitude"), point.latitude},
            {QStringLiteral("longitude"), point.longitude}};
}

} // namespace

QJsonObject skyJson(const astro::SkyPositions &sky)
{
    const std::string_view phase = astro::moonPhaseName(sky.phase);
    const QJsonObject moon{
        {QStringLiteral("illuminated_fraction"), sky.illuminatedFraction},
        {QStringLiteral("phase_angle_degrees"), sky.phaseAngleDeg},
        {QStringLiteral("phase"), QString::fromLatin1(phase.data(), qsizetype(phase.size()))}};
    return {{QStringLiteral("subsolar"), pointJson(sky.subsolar)},
            {QStringLiteral("sublunar"), pointJson(sky.sublunar)},
            {QStringLiteral("moon"), moon}};
}

namespace {

// The phases as the window names them, in the order of astro::MoonPhase.
constexpr const char *kPhaseNames[] = {
    //: Phase of the Moon
    QT_TRANSLATE_NOOP("SkyTexts", "New"),
    //: Phase of the Moon
    QT_TRANSLATE_NOOP("SkyTexts", "Waxing crescent"),
    //: Phase of the Moon
    QT_TRANSLATE_NOOP("SkyTexts", "First quarter"),
    //: Phase of the Moon
    QT_TRANSLATE_NOOP("SkyTexts", "Waxing gibbous"),
    //: Phase of the Moon
    QT_TRANSLATE_NOOP("SkyTexts", "Full"),
    //: Phase of the Moon
    QT_TRANSLATE_NOOP("SkyTexts", "Waning gibbous"),
    //: Phase of the Moon
    QT_TRANSLATE_NOOP("SkyTexts", "Last quarter"),
    //: Phase of the Moon
    QT_TRANSLATE_NOOP("SkyTexts", "Waning crescent"),
};

static_assert(std::size(kPhaseNames) == std::size_t(astro::MoonPhase::WaningCrescent) + 1);

} // namespace

QString skyReadoutText(const astro::SkyPositions &sky)
{
    //: The Moon's phase and lit part; the point where the Sun stands overhead
    return QCoreApplication::translate("SkyTexts", "Moon: %1, %2%\nSun overhead: %3, %4")
        .arg(QCoreApplication::translate("SkyTexts", kPhaseNames[int(sky.phase)]))
        .arg(qRound(sky.illuminatedFraction * 100.0))
        .arg(shownLatitude(sky.subsolar.latitude, 2), shownLongitude(sky.subsolar.longitude, 2));
}

UtcFields utcFields(const QDateTime &instant)
{
    const QDateTime utc = instant.toUTC();
    const QDate date = utc.date();
    const QTime time = utc.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

astro::UtcInstant utcInstant(const QDateTime &instant)
{
    const QDateTime utc = instant.toUTC();
    const QDate date = utc.date();
    const QTime time = utc.time();
    return {date.year(), date.month(),  date.day(),
            time.hour(), time.minute(), time.second() + time.msec() / 1000.0};
}
