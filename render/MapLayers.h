#pragma once

#include "astro/GeoPoint.h"
#include "mapcore/MapGeometry.h"
#include "mapcore/NightOverlay.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

class LayerPlan;
class QPainter;

/// A font and a colour: what the map's texts are drawn with.
struct TextStyle
{
    QFont font;
    QColor color;
};

/// A font of the given pixel size in the map's face, falling back to the
/// desktop's sans-serif where that face is not installed.
QFont mapFont(int pixelSize);

/// The zone label's style: 14 pixels, white.
TextStyle labelTextStyle();
/// The grid labels' style: 8 pixels, white.
TextStyle smallTextStyle();

/// Map coordinates have their origin at the map's bottom-left corner with y
/// growing northward; the painter's grow downward. This is the one place that
/// converts between the two. Text stays upright: a text's origin is the
/// bottom-left corner of its line box.
class ViewCoordinates
{
public:
    explicit ViewCoordinates(double viewHeight) : m_height(viewHeight) {}
    QPointF point(double x, double y) const { return {x, m_height - y}; }
    QRectF rect(double x, double y, double width, double height) const
    {
        return {x, m_height - y - height, width, height};
    }
    /// Width and height of a text's line box in the given font.
    static QSizeF textSize(const QString &text, const QFont &font);
    /// Draws text with the bottom-left corner of its line box at (x, y).
    void drawText(QPainter &painter, double x, double y, const QString &text,
                  const TextStyle &style) const;

private:
    double m_height;
};

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
/// The pinned zones: a small cyan dot framed in black on each place, its label
/// to the right, or to the left near the map's right edge.
void drawPinnedPlaces(QPainter &painter, std::span<const PinnedPlace> pins,
                      const MapGeometry &geometry, const TextStyle &style,
                      const ViewCoordinates &view);
/// The zone marker, a red dot with a black centre, and the zone's label.
void drawCityInfo(QPainter &painter, float markerX, float markerY, const QString &label,
                  const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view);
