#pragma once

// The layers of the Sun and the Moon: their symbols over the points below
// them, and the twilight lines of the overlay's sun.

#include "astro/SkyPositions.h"
#include "mapcore/MapFrame.h"
#include "mapcore/NightOverlay.h"
#include "render/MapPainting.h"

class LabelPlacer;
class QImage;
class QPainter;

/// The Sun's and the Moon's symbols grow gently with the map: 1 on the small map.
double symbolScale(const MapFrame &frame);

/// A yellow disc with a dark rim and short rays outlined in dark, 11 px across
/// on the small map, over the point under the Sun.
void drawSunSymbol(QPainter &painter, const MapFrame &frame, const GeoPoint &subsolar);
/// The same centred on a point of the painter, at a scale (1 on the small map).
void drawSunSymbolAt(QPainter &painter, const QPointF &centre, double scale);

/// The Moon's disc, lit on the right while waxing, on the left while waning,
/// as seen from the northern hemisphere, over the point under it.
void drawMoonSymbol(QPainter &painter, const MapFrame &frame, const astro::SkyPositions &sky);
void drawMoonSymbolAt(QPainter &painter, const QPointF &centre, double scale,
                      const astro::SkyPositions &sky);

/// The sun's altitude at -0.833 (sunrise and sunset), -6 (civil), -12
/// (nautical) and -18 degrees (astronomical), drawn with the fast lines into
/// an image of scale device pixels a point.
void drawTwilightLines(QImage &image, const MapFrame &frame, double scale,
                       const SunQuantities &sun);

/// Each twilight line's name, once, in a box beside the line near the equator
/// on the evening side, where the placer finds room.
void drawTwilightLabels(QPainter &painter, const MapFrame &frame, const SunQuantities &sun,
                        const TextStyle &style, LabelPlacer &placer);
