#pragma once

#include "mapcore/MapGeometry.h"
#include "mapcore/NightOverlay.h"
#include "zones/TimeZoneTable.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

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

/// Everything one redraw paints.
struct MapScene
{
    MapGeometry geometry;
    float boundsWidth = 0.0f;
    double viewHeight = 0.0;
    UtcFields instant{};
    const QImage *dayImage = nullptr;
    std::span<const uint8_t> nightSamples;
    bool showLatLonGrid = false;
    bool showLocations = false;
    std::vector<ZonePlace> locationPlaces;
    float markerX = 0.0f; ///< view pixels
    float markerY = 0.0f; ///< view pixels, y up
    QString zoneLabel;    ///< empty: no label
    TextStyle labelStyle;
    TextStyle smallStyle;
};

/// The redraw: day image, night overlay, then the layers in their fixed order.
/// Keeps only scratch memory between redraws, never a result.
class MapRenderer
{
public:
    /// Paints the whole map into a painter whose device is the map view.
    void render(QPainter &painter, const MapScene &scene);
    /// The day image and the night overlay alone.
    void renderDayAndNight(QPainter &painter, const MapScene &scene);
    /// The layers above them: grid, squares, marker and label.
    void renderLayers(QPainter &painter, const MapScene &scene);

private:
    std::vector<uint8_t> m_overlay;
};

/// Converts an instant to the GMT calendar fields the overlay takes.
UtcFields utcFields(const QDateTime &instant);

void paintNightOverlay(QPainter &painter, const MapGeometry &geometry,
                       std::span<const uint8_t> nightSamples, const UtcFields &instant,
                       std::vector<uint8_t> &scratch, const ViewCoordinates &view,
                       bool frameIsOpaqueMap);
void drawGridLines(QPainter &painter, const MapGeometry &geometry, const TextStyle &style,
                   const ViewCoordinates &view);
void drawLocationSquares(QPainter &painter, std::span<const ZonePlace> places,
                         const MapGeometry &geometry, const ViewCoordinates &view);
void drawCityInfo(QPainter &painter, float markerX, float markerY, const QString &label,
                  const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view);
