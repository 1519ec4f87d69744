#include "model/SkyTexts.h"

#include <QString>

#include <cmath>

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

QString skyReadoutText(const astro::SkyPositions &sky)
{
    const std::string_view name = astro::moonPhaseName(sky.phase);
    QString phase = QString::fromLatin1(name.data(), qsizetype(name.size()));
    phase[0] = phase[0].toUpper();
    const auto coordinate = [](double value, char positive, char negative) {
        return QStringLiteral("%1\u00B0 %2")
            .arg(std::fabs(value), 0, 'f', 2)
            .arg(QLatin1Char(value < 0.0 ? negative : positive));
    };
    return QStringLiteral("Moon: %1, %2%\nSun overhead: %3, %4")
        .arg(phase)
        .arg(qRound(sky.illuminatedFraction * 100.0))
        .arg(coordinate(sky.subsolar.latitude, 'N', 'S'),
             coordinate(sky.subsolar.longitude, 'E', 'W'));
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
