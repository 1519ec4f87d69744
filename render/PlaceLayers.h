#pragma once

// The layers of home and target: the paths between them and the Maidenhead
// locator grid.

#include "astro/GeoPoint.h"
#include "mapcore/MapFrame.h"
#include "render/MapPainting.h"

#include <QColor>

class LayerPlan;
class QImage;
class QPainter;

/// The paths' and the home and target markers' colour: pink, unlike any
/// other line on the map.
inline QColor pathColour()
{
    return {255, 70, 180};
}

/// The paths from home to target along the WGS84 geodesic, as they are
/// measured: the short path solid, the long path dashed, each over a dark edge.
void drawPaths(QPainter &painter, const MapFrame &frame, const GeoPoint &home,
               const GeoPoint &target);
/// The same straight into an ARGB32_Premultiplied image, scale device pixels
/// a point, by the fast lines: for a frame that is drawn once, as while the
/// centre moves.
void drawPathsRoughly(QImage &image, double scale, const MapFrame &frame, const GeoPoint &home,
                      const GeoPoint &target);

/// The locator grid: the fields' lines and two letters, and in each field
/// at least 120 points wide, the squares' lines; each label where its cell
/// has room for it on the map.
void planLocatorGrid(LayerPlan &plan, const MapFrame &frame, const TextStyle &style);
