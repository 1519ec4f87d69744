#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

class QPainter;
struct GeoPoint;

/// Where a place lands on the painter, or none where the view does not show it.
using PlaceToPoint = std::function<std::optional<QPointF>(const GeoPoint &)>;

/// A font and a colour: what the map's texts are drawn with.
struct TextStyle
{
    QFont font;
    QColor color;
};

/// A font of the given pixel size in the map's face, falling back to the
/// desktop's sans-serif where that face is not installed.
QFont mapFont(int pixelSize);

/// The box behind the map's labels: black at 50 %.
inline QColor labelBoxColour()
{
    return {0, 0, 0, 128};
}

/// The zone label's style: 14 pixels, white; times the text scale, which is
/// above 1 only where the desktop asks for larger text.
TextStyle labelTextStyle(double textScale = 1.0);
/// The grid labels' style: 8 pixels, white; times the text scale.
TextStyle smallTextStyle(double textScale = 1.0);
/// Home's and target's labels: 11 pixels, so that they read on the night
/// side too; times the text scale.
TextStyle placeTextStyle(double textScale = 1.0);

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
