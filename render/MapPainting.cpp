#include "render/MapPainting.h"

#include <QFontMetricsF>
#include <QPainter>

QFont mapFont(int pixelSize)
{
    QFont font(QStringLiteral("Lucida Grande"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

TextStyle labelTextStyle()
{
    return {mapFont(14), Qt::white};
}

TextStyle smallTextStyle()
{
    return {mapFont(8), Qt::white};
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
