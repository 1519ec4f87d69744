#pragma once

// The layers that mark the map out: the grid, the zones' squares, the range
// rings, the marked places and the zone marker. Each is written once against
// the map's frame and drawn in every view.

#include "astro/GeoPoint.h"
#include "mapcore/MapFrame.h"
#include "render/MapPainting.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

class LabelPlacer;
class LayerPlan;
class QPainter;

/// Whether a label's box may be drawn: within the frame, on the map, and
/// clear of the labels drawn before it, which it then joins.
bool labelFits(const QRectF &box, const MapFrame &frame, std::vector<QRectF> &drawn);
/// Whether a box lies wholly within the frame and on the map's places.
bool boxOnMap(const QRectF &box, const MapFrame &frame);

/// The latitude/longitude grid: lines every 10 degrees, each parallel
/// labelled where it starts on the left, every second meridian where it
/// ends at the bottom (else where it crosses the equator).
void planGrid(LayerPlan &plan, const MapFrame &frame, const TextStyle &style);
/// A small yellow square framed in black on each place.
void planSquares(LayerPlan &plan, const MapFrame &frame, std::span<const GeoPoint> places);
/// Rings every 1000 km about the view's centre, labelled with their
/// distances, and bearings every 30 degrees, labelled where they end.
void planRangeRings(LayerPlan &plan, const MapFrame &frame, const TextStyle &style);
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
/// Home's and target's labels take placeStyle's font, the pins' style's.
void drawMarkedPlaces(QPainter &painter, std::span<const MarkedPlace> places,
                      const PlaceToPoint &position, qreal mapWidth, const TextStyle &style,
                      const TextStyle &placeStyle, const ViewCoordinates &view,
                      LabelPlacer &placer);
/// Reserves the zone marker's dot and label, drawn later over the others.
void reserveZoneMarker(LabelPlacer &placer, float markerX, float markerY, const QString &label,
                       const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view);
/// The zone marker, a red dot with a black centre, and the zone's label.
/// The dot goes under the marks of home, target and the pins, which would
/// hide under it where they are the same place; the label over everything.
void drawZoneMarker(QPainter &painter, float markerX, float markerY, const ViewCoordinates &view);
void drawZoneLabel(QPainter &painter, float markerX, float markerY, const QString &label,
                   const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view);
