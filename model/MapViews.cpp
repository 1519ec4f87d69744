#include "model/MapViews.h"

#include "places/PlaceText.h"

std::optional<MapView> mapViewNamed(const QString &name)
{
    for (const MapViewInfo &info : kMapViews)
        if (name == QLatin1String(info.name))
            return info.view;
    return std::nullopt;
}

std::optional<GeoPoint> parseCentre(const QString &text)
{
    // A place's coordinates, as home and target take them.
    const places::PlaceText parsed = places::parsePlaceText(text.toStdString());
    if (parsed.kind != places::PlaceText::Kind::Coordinates)
        return std::nullopt;
    return parsed.point;
}

QString centreText(const GeoPoint &centre)
{
    return QStringLiteral("%1,%2")
        .arg(centre.latitude, 0, 'g', 10)
        .arg(centre.longitude, 0, 'g', 10);
}
