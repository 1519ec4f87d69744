#pragma once

// The layers of home and target: the paths between them and the Maidenhead
// locator grid, on the classic map and in every view.

#include "astro/GeoPoint.h"
#include "mapcore/MapGeometry.h"
#include "mapcore/MapProjection.h"
#include "render/MapPainting.h"

#include <QColor>

class QPainter;

/// The paths' and the home and target markers' colour: pink, unlike any
/// other line on the map.
inline QColor pathColour()
{
    return {255, 70, 180};
}

/// The great circle from home to target through a mapping of places to
/// points: the short path solid, the long path dashed, each over a dark edge;
/// broken where a step is longer than jump, at the edge of a world map.
void drawPaths(QPainter &painter, const GeoPoint &home, const GeoPoint &target,
               const PlaceToPoint &position, double jump);

/// The locator grid on the classic map: the fields' lines and two letters,
/// and where a field is at least 120 points wide, the squares' lines.
void drawLocatorGrid(QPainter &painter, const MapGeometry &geometry, const TextStyle &style,
                     const ViewCoordinates &view);
/// The same in a view, the lines along the sphere, each label where its cell
/// has room for it.
void drawViewLocatorGrid(QPainter &painter, const MapProjection &projection,
                         const TextStyle &style);
