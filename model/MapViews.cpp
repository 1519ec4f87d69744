#include "model/MapViews.h"

#include <QStringList>

#include <cmath>

std::optional<MapView> mapViewNamed(const QString &name)
{
    for (const MapViewInfo &info : kMapViews)
        if (name == QLatin1String(info.name))
            return info.view;
    return std::nullopt;
}

std::optional<GeoPoint> parseCentre(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool latitudeOk = false;
    bool longitudeOk = false;
    const double latitude = parts[0].trimmed().toDouble(&latitudeOk);
    const double longitude = parts[1].trimmed().toDouble(&longitudeOk);
    if (!latitudeOk || !longitudeOk || !std::isfinite(latitude) || !std::isfinite(longitude) ||
        std::fabs(latitude) > 90.0 || std::fabs(longitude) > 180.0)
        return std::nullopt;
    return GeoPoint{latitude, longitude};
}

QString centreText(const GeoPoint &centre)
{
    return QStringLiteral("%1,%2")
        .arg(centre.latitude, 0, 'g', 10)
        .arg(centre.longitude, 0, 'g', 10);
}
