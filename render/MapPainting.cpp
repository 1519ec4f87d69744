#include "render/MapPainting.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

QFont mapFont(int pixelSize)
{
    QFont font(QStringLiteral("Lucida Grande"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

TextStyle labelTextStyle(double textScale)
{
    return {mapFont(int(std::lround(14 * textScale))), Qt::white};
}

TextStyle placeTextStyle(double textScale)
{
    return {mapFont(int(std::lround(11 * textScale))), Qt::white};
}

TextStyle smallTextStyle(double textScale)
{
    return {mapFont(int(std::lround(8 * textScale))), Qt::white};
}

QSizeF ViewCoordinates::textSize(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void ViewCoordinates::drawText(QPainter &painter, double x, double y, const QString &text,
                               const TextStyle &style) const
{
    const QFontMetricsF metrics(style.font);
    painter.setFont(style.font);
    painter.setPen(style.color);
    // The line box's bottom lies one descent below the baseline.
    painter.drawText(point(x, y) - QPointF(0.0, metrics.descent()), text);
}
