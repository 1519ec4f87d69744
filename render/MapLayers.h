#pragma once

#include "astro/GeoPoint.h"
#include "mapcore/MapGeometry.h"
#include "mapcore/NightOverlay.h"
#include "render/MapPainting.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

class LabelPlacer;
class LayerPlan;
class QPainter;

/// The latitude/longitude grid: lines every 10 degrees with their labels.
void planGridLines(LayerPlan &plan, const MapGeometry &geometry, const TextStyle &style,
                   const ViewCoordinates &view);
/// A small yellow square framed in black on each place.
void planLocationSquares(LayerPlan &plan, std::span<const GeoPoint> places,
                         const MapGeometry &geometry, const ViewCoordinates &view);
/// What marks a place: a pinned zone's dot, or the home or target marker.
enum class PlaceMark
{
    Pin,
    Home,
    Target,
};
/// A marked place and the label beside it.
struct MarkedPlace
{
    GeoPoint place;
    QString label;
    PlaceMark mark = PlaceMark::Pin;
};
/// The marked places: a pin is a small cyan dot framed in black; home a small
/// pink house and target a pink diamond, both framed in black, their labels in
/// pink. Each label in a box where the placer finds room, preferably to the
/// right, or to the left near the map's right edge. The marks are reserved
/// before any label is placed; the places come in priority order.
void drawMarkedPlaces(QPainter &painter, std::span<const MarkedPlace> places,
                      const PlaceToPoint &position, qreal mapWidth, const TextStyle &style,
                      const ViewCoordinates &view, LabelPlacer &placer);
/// Reserves the zone marker's dot and label, drawn later over the others.
void reserveZoneMarker(LabelPlacer &placer, float markerX, float markerY, const QString &label,
                       const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view);
/// The zone marker, a red dot with a black centre, and the zone's label.
void drawZoneMarker(QPainter &painter, float markerX, float markerY, const QString &label,
                    const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view);
