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
/// A pinned zone's place and the label beside it.
struct PinnedPlace
{
    GeoPoint place;
    QString label;
};
/// The pinned zones: a small cyan dot framed in black on each place, and its
/// label in a box where the placer finds room, preferably to the right, or to
/// the left near the map's right edge. The dots are reserved before any label
/// is placed; the pins come in priority order.
void drawPinnedPlaces(QPainter &painter, std::span<const PinnedPlace> pins,
                      const PlaceToPoint &position, qreal mapWidth, const TextStyle &style,
                      const ViewCoordinates &view, LabelPlacer &placer);
/// Reserves the zone marker's dot and label, drawn later over the others.
void reserveZoneMarker(LabelPlacer &placer, float markerX, float markerY, const QString &label,
                       const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view);
/// The zone marker, a red dot with a black centre, and the zone's label.
void drawZoneMarker(QPainter &painter, float markerX, float markerY, const QString &label,
                    const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view);
