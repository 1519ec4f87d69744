#include "render/EclipseLabels.h"

#include "eclipses/Shadow.h"
#include "render/EclipseLayers.h"
#include "render/LabelPlacer.h"
#include "render/MapLayers.h"
#include "render/MapPainting.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>

#include <cmath>

namespace {

/// Draws a text in its box centred on a place, where the view shows it and
/// the box overlaps no other label; whether it did.
bool drawCentred(QPainter &painter, const MapFrame &frame, const GeoPoint &place,
                 const QString &text, const TextStyle &style, LabelPlacer &placer)
{
    const auto at = frame.toFrame(place);
    if (!at)
        return false;
    const QSizeF size = ViewCoordinates::textSize(text, style.font);
    const QRectF box(at->x - size.width() / 2.0 - 1.0, at->y - size.height() / 2.0,
                     size.width() + 2.0, size.height());
    const QRectF candidates[] = {box};
    if (!boxOnMap(box, frame) || !placer.place(candidates))
        return false;
    painter.fillRect(box, labelBoxColour());
    ViewCoordinates(frame.height())
        .drawText(painter, box.x() + 1.0, frame.height() - box.bottom(), text, style);
    return true;
}

/// A place on the shadow's line of a magnitude, the given way from its axis
/// in the plane, where the Sun is up: the line is a circle about the axis
/// whose radius depends a little on the place's height above the plane.
std::optional<GeoPoint> onShadowLine(const eclipses::Shadow &shadow, double magnitude, double dx,
                                     double dy)
{
    double radius = shadow.l1() - magnitude * (shadow.l1() + shadow.l2());
    std::optional<eclipses::Vector> point;
    for (int pass = 0; pass < 3; ++pass) {
        point = shadow.surfacePoint(shadow.axisX() + radius * dx, shadow.axisY() + radius * dy);
        if (!point)
            return std::nullopt;
        const eclipses::ConeRadii cones = shadow.conesAt(*point);
        radius = cones.l1 - magnitude * (cones.l1 + cones.l2);
    }
    const GeoPoint place = eclipses::placeOfSurfacePoint(*point);
    if (!(shadow.sample(place).magnitude > 0.0))
        return std::nullopt;
    return place;
}

void drawShadowLabels(QPainter &painter, const MapFrame &frame, double unixSeconds,
                      const TextStyle &style, LabelPlacer &placer)
{
    const eclipses::Shadow shadow = eclipses::Shadow::at(unixSeconds);
    // North of the axis first, where the path seldom runs, then round it.
    constexpr double kWays[][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    for (const int percent : {20, 40, 60, 80}) {
        //: Beside a line of the Moon's shadow on the map: the part of the Sun's diameter
        //: the Moon hides along it, in per cent
        const QString text =
            QCoreApplication::translate("EclipsePath", "%1 %").arg(QLocale().toString(percent));
        for (const auto &way : kWays) {
            const auto place = onShadowLine(shadow, percent / 100.0, way[0], way[1]);
            if (place && drawCentred(painter, frame, *place, text, style, placer))
                break;
        }
    }
}

void drawLunarLabels(QPainter &painter, const MapFrame &frame, const eclipses::Eclipse &eclipse,
                     const TextStyle &style, LabelPlacer &placer)
{
    // At the greatest the Moon stands over its place; a quarter of the way
    // round the equator it is on the horizon, rising to the west and setting
    // to the east, and half the way round it is down throughout.
    const GeoPoint &under = eclipse.place;
    const auto longitude = [&](double offset) {
        return std::remainder(under.longitude + offset, 360.0);
    };
    //: On the map where all of a lunar eclipse's totality can be seen
    const char *const allTotality = QT_TRANSLATE_NOOP("EclipsePath", "All of totality seen");
    //: On the map where all of a partial or penumbral lunar eclipse can be seen
    const char *const allEclipse = QT_TRANSLATE_NOOP("EclipsePath", "All of the eclipse seen");
    //: On the map where the Moon rises while a lunar eclipse is under way
    const char *const rises = QT_TRANSLATE_NOOP("EclipsePath", "Moon rises during the eclipse");
    //: On the map where the Moon sets while a lunar eclipse is under way
    const char *const sets = QT_TRANSLATE_NOOP("EclipsePath", "Moon sets during the eclipse");
    //: On the map where a lunar eclipse cannot be seen: the Moon is down throughout
    const char *const notSeen = QT_TRANSLATE_NOOP("EclipsePath", "Eclipse not seen");
    const struct
    {
        GeoPoint place;
        const char *text;
    } regions[] = {
        {under, eclipse.type == eclipses::Type::Total ? allTotality : allEclipse},
        {{0.0, longitude(-90.0)}, rises},
        {{0.0, longitude(90.0)}, sets},
        {{-under.latitude, longitude(180.0)}, notSeen},
    };
    // Along the equator a little either way where the view's edge or another
    // label is in the way: each region is some 30 degrees wide there.
    for (const auto &region : regions) {
        const QString text = QCoreApplication::translate("EclipsePath", region.text);
        for (const double shift : {0.0, -10.0, 10.0, -20.0, 20.0}) {
            const GeoPoint place{region.place.latitude,
                                 std::remainder(region.place.longitude + shift, 360.0)};
            if (drawCentred(painter, frame, place, text, style, placer))
                break;
        }
    }
}

} // namespace

void drawEclipseLabels(QPainter &painter, const MapFrame &frame, double unixSeconds,
                       const TextStyle &style, LabelPlacer &placer)
{
    painter.save();
    painter.setFont(style.font);
    // Away from an eclipse this is known without working out the shadow.
    if (const auto eclipse = eclipses::eclipseWithin(unixSeconds, kEclipseShownSeconds)) {
        if (eclipse->kind == eclipses::Kind::Solar)
            drawShadowLabels(painter, frame, unixSeconds, style, placer);
        else
            drawLunarLabels(painter, frame, *eclipse, style, placer);
    }
    painter.restore();
}
