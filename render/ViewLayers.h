#pragma once

// The layers of the views other than the classic map: each point goes through
// the view's projection, each line is sampled along the sphere.

#include "astro/GeoPoint.h"
#include "mapcore/MapProjection.h"
#include "render/MapPainting.h"

#include <QList>
#include <QRectF>

#include <span>
#include <vector>

class QPainter;

/// A line through places, with the painter's pen, broken where it leaves the
/// view or jumps across it (at the edge of a world map).
void drawGeoPolyline(QPainter &painter, const MapProjection &projection,
                     std::span<const GeoPoint> places);
/// The same through any mapping of places to points, broken where a place is
/// not shown or where a step is longer than jump.
void drawGeoPolyline(QPainter &painter, const PlaceToPoint &position, double jump,
                     std::span<const GeoPoint> places);

/// A text in a half-black box centred on a point, left out where the box
/// does not fit in the painter's window or, under larger text, would run into
/// one of the labels drawn before it, which it joins.
void drawLabel(QPainter &painter, const QPointF &centre, const QString &text,
               const TextStyle &style, QList<QRectF> &drawn);

/// Parallels and meridians every 10 degrees as curves; the parallels labelled
/// along the centre's meridian, every second meridian along the equator.
void drawViewGrid(QPainter &painter, const MapProjection &projection, const TextStyle &style);

/// The squares at the zones' places.
void drawViewSquares(QPainter &painter, const MapProjection &projection,
                     std::span<const GeoPoint> places);

/// Rings every 1000 km about the centre and bearing spokes every 30 degrees,
/// labelled N, 30°, 60° … at the rim: drawn in the azimuthal view only, where
/// they are circles and straight lines.
void drawRangeRings(QPainter &painter, const MapProjection &projection, const TextStyle &style);
