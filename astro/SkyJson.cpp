#include "astro/SkyJson.h"

#include <QString>

namespace {

QJsonObject pointJson(const astro::GroundPoint &point)
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
