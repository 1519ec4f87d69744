#include "render/MapLayers.h"

#include "render/LabelPlacer.h"
#include "render/LayerPlan.h"
#include "render/PlaceLayers.h"

#include "astro/Sphere.h"
#include "mapcore/GridLayout.h"
#include "mapcore/MarkerLayout.h"
#include "platform/CoordinateText.h"

#include <QCoreApplication>
#include <QLocale>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace {
constexpr qreal kGridLineWidth = 0.25;
constexpr double kGridStepDeg = 10.0;
constexpr qreal kSquareFrameWidth = 2.0;
constexpr qreal kPinRadius = 3.0;
constexpr qreal kGap = 3.0;

/// How far a mark reaches from its place, with its frame.
qreal reachOf(PlaceMark mark)
{
    return mark == PlaceMark::Pin ? kPinRadius + 0.5 : 5.5;
}
} // namespace

bool boxOnMap(const QRectF &box, const MapFrame &frame)
{
    if (!QRectF(0, 0, frame.width(), frame.height()).contains(box))
        return false;
    for (const QPointF &corner :
         {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        if (!frame.fromFrame({corner.x(), corner.y()}))
            return false;
    return true;
}

bool labelFits(const QRectF &box, const MapFrame &frame, std::vector<QRectF> &drawn)
{
    if (!boxOnMap(box, frame))
        return false;
    if (std::any_of(drawn.begin(), drawn.end(),
                    [&box](const QRectF &other) { return other.intersects(box); }))
        return false;
    drawn.push_back(box);
    return true;
}

namespace {
/// The places of a parallel or a meridian every 10 degrees, ends included.
std::vector<GeoPoint> gridLine(bool parallel, double degrees)
{
    std::vector<GeoPoint> places;
    const int end = parallel ? 180 : 90;
    for (int along = -end; along <= end; along += int(kGridStepDeg))
        places.push_back(parallel ? GeoPoint{degrees, double(along)}
                                  : GeoPoint{double(along), degrees});
    return places;
}

template <typename Better>
std::optional<FramePoint> extremeOf(const std::vector<FrameLine> &pieces, Better better)
{
    std::optional<FramePoint> best;
    for (const FrameLine &piece : pieces)
        for (const FramePoint &p : piece)
            if (!best || better(p, *best))
                best = p;
    return best;
}

/// Truncated as the grid's own positions, so that a label keeps its pixel.
int32_t wholePixels(double value)
{
    return std::isfinite(value) ? int32_t(std::clamp(value, -2e9, 2e9)) : 0;
}
} // namespace

void planGrid(LayerPlan &plan, const MapFrame &frame, const TextStyle &style)
{
    // Lines under a pixel apart would pile onto each other.
    if (!(kGridStepDeg * frame.pixelsPerDegree() >= 1.0) || !std::isfinite(frame.pixelsPerDegree()))
        return;
    const QFont &font = style.font;
    const ViewCoordinates view(frame.height());
    std::vector<QRectF> drawn;
    // A box whose text starts at (x, y) in view coordinates.
    const auto label = [&](double x, double y, const QSizeF &size, const QString &text) {
        if (!labelFits(view.rect(x, y, size.width() + 2, size.height()), frame, drawn))
            return false;
        plan.fillRect(view.rect(x, y, size.width() + 2, size.height()), labelBoxColour());
        plan.drawText(view, x, y, text, style);
        plan.addLabel(view.rect(x, y, size.width() + 2, size.height()));
        return true;
    };
    // The same centred on a point.
    const auto centred = [&](const std::optional<FramePoint> &p, const QSizeF &size,
                             const QString &text) {
        if (p)
            label(p->x - size.width() / 2 - 1, frame.height() - p->y - size.height() / 2, size,
                  text);
    };
    // Each direction's labels first, each box then its text; its lines are
    // then drawn over them.
    for (const bool parallels : {true, false}) {
        std::vector<FrameLine> lines;
        for (int degrees = parallels ? -80 : -170; degrees <= (parallels ? 80 : 180);
             degrees += int(kGridStepDeg)) {
            std::vector<FrameLine> pieces = frame.cut(gridLine(parallels, degrees));
            if (pieces.empty())
                continue;
            const QString text = QString::fromStdString(parallels ? latitudeLabelText(degrees)
                                                                  : longitudeLabelText(degrees));
            const QSizeF size = ViewCoordinates::textSize(text, font);
            if (parallels) {
                // Below the line where it starts on the left; else on the
                // centre's meridian.
                const FramePoint west = *extremeOf(
                    pieces, [](const FramePoint &a, const FramePoint &b) { return a.x < b.x; });
                const float y = latitudeLabelY(wholePixels(frame.height() - west.y));
                if (!label(west.x, y, size, text))
                    centred(frame.toFrame({double(degrees), frame.centre().longitude}), size, text);
            } else if (longitudeLabelShown(degrees)) {
                // On the frame's bottom where it ends there; else on the equator.
                const FramePoint south = *extremeOf(
                    pieces, [](const FramePoint &a, const FramePoint &b) { return a.y > b.y; });
                const float x = longitudeLabelX(wholePixels(south.x), float(size.width()));
                if (!label(x, frame.height() - south.y, size, text))
                    centred(frame.toFrame({0.0, double(degrees)}), size, text);
            }
            std::move(pieces.begin(), pieces.end(), std::back_inserter(lines));
        }
        plan.drawLines(lines, Qt::white, kGridLineWidth);
    }
}

void planSquares(LayerPlan &plan, const MapFrame &frame, std::span<const GeoPoint> places)
{
    // The frame, 2 wide and centred on the square's edges, covers the square
    // grown by 1 on every side; the yellow fill then replaces its inside.
    constexpr qreal kHalfFrame = kSquareFrameWidth / 2;
    const ViewCoordinates view(frame.height());
    for (const GeoPoint &place : places) {
        const auto p = frame.toFrame(place);
        if (!p)
            continue;
        const RectF r = locationSquareRect(float(p->x), float(frame.height() - p->y));
        const QRectF square = view.rect(r.x, r.y, r.width, r.height);
        plan.fillRect(square.adjusted(-kHalfFrame, -kHalfFrame, kHalfFrame, kHalfFrame), Qt::black);
        plan.fillRect(square, Qt::yellow);
    }
}

void planRangeRings(LayerPlan &plan, const MapFrame &frame, const TextStyle &style)
{
    constexpr double kRingStepKm = 1000.0;
    constexpr int kSpokeStepDeg = 30;
    const GeoPoint centre = frame.centre();
    const QColor colour(255, 255, 255, 150);
    std::vector<FrameLine> lines;
    std::vector<GeoPoint> places;
    std::vector<QRectF> drawn;
    const auto label = [&](const FramePoint &at, const QString &text) {
        const QSizeF size = ViewCoordinates::textSize(text, style.font);
        const QRectF box(at.x - size.width() / 2 - 1, at.y - size.height() / 2, size.width() + 2,
                         size.height());
        if (!labelFits(box, frame, drawn))
            return;
        plan.fillRect(box, labelBoxColour());
        plan.addLabel(box);
        plan.drawText(ViewCoordinates(frame.height()), box.x() + 1, frame.height() - box.bottom(),
                      text, style);
    };
    // The spokes from the centre to its antipode, each labelled a little
    // short of where it is last seen.
    for (int bearing = 0; bearing < 360; bearing += kSpokeStepDeg) {
        places.clear();
        for (int step = 0; step <= 180; step += 2)
            places.push_back(sphere::destinationPoint(centre, bearing * sphere::kDegToRad,
                                                      step * sphere::kDegToRad));
        std::vector<FrameLine> pieces = frame.cut(places);
        if (!pieces.empty() && pieces.front().size() > 1) {
            const FrameLine &first = pieces.front();
            // 12 points back along the spoke from its last point in view.
            double back = 12.0;
            FramePoint at = first.back();
            for (size_t i = first.size() - 1; i > 0 && back > 0.0; --i) {
                const double dx = first[i - 1].x - first[i].x, dy = first[i - 1].y - first[i].y;
                const double length = std::hypot(dx, dy);
                const double t = std::min(1.0, back / std::max(length, 1e-9));
                at = {first[i].x + t * dx, first[i].y + t * dy};
                back -= length;
            }
            label(at, bearing == 0 ? QCoreApplication::translate("RangeRings", "N", "north")
                                   : shownBearing(bearing));
        }
        std::move(pieces.begin(), pieces.end(), std::back_inserter(lines));
    }
    // The rings, each labelled between two spokes.
    const double circumferenceKm = 2.0 * std::numbers::pi * sphere::kMeanRadiusKm;
    for (double km = kRingStepKm; km < circumferenceKm / 2; km += kRingStepKm) {
        const double distance = km / sphere::kMeanRadiusKm;
        places.clear();
        for (int bearing = 0; bearing <= 360; bearing += 2)
            places.push_back(
                sphere::destinationPoint(centre, bearing * sphere::kDegToRad, distance));
        std::vector<FrameLine> pieces = frame.cut(places);
        if (const auto at = frame.toFrame(
                sphere::destinationPoint(centre, kSpokeStepDeg / 2 * sphere::kDegToRad, distance)))
            label(*at, QCoreApplication::translate("RangeRings", "%1 km", "a ring's distance")
                           .arg(QLocale().toString(km, 'f', 0)));
        std::move(pieces.begin(), pieces.end(), std::back_inserter(lines));
    }
    plan.drawLines(lines, colour, 0.75);
}

void drawMarkedPlaces(QPainter &painter, std::span<const MarkedPlace> places,
                      const PlaceToPoint &position, qreal mapWidth, const TextStyle &style,
                      const TextStyle &placeStyle, const ViewCoordinates &view, LabelPlacer &placer)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    std::vector<std::optional<QPointF>> centres;
    centres.reserve(places.size());
    for (const MarkedPlace &marked : places) {
        centres.push_back(position(marked.place));
        if (!centres.back())
            continue; // on the far side of the view
        const QPointF c = *centres.back();
        painter.setPen(QPen(Qt::black, 1.0));
        switch (marked.mark) {
        case PlaceMark::Pin:
            painter.setBrush(Qt::cyan);
            painter.drawEllipse(c, kPinRadius, kPinRadius);
            break;
        case PlaceMark::Home: // a house: walls and a roof
            painter.setBrush(pathColour());
            painter.drawPolygon(QPolygonF{c + QPointF(-4, 4), c + QPointF(4, 4), c + QPointF(4, -1),
                                          c + QPointF(0, -5), c + QPointF(-4, -1)});
            break;
        case PlaceMark::Target:
            painter.setBrush(pathColour());
            painter.drawPolygon(QPolygonF{c + QPointF(0, -5), c + QPointF(5, 0), c + QPointF(0, 5),
                                          c + QPointF(-5, 0)});
            break;
        }
        // No label may hide another place's mark.
        const qreal reach = reachOf(marked.mark);
        placer.reserve(QRectF(c - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)));
    }
    const TextStyle homeStyle{placeStyle.font, pathColour()};
    for (size_t i = 0; i < places.size(); ++i) {
        if (!centres[i])
            continue;
        const TextStyle &labelStyle = places[i].mark == PlaceMark::Pin ? style : homeStyle;
        const QPointF centre = *centres[i];
        const qreal radius = reachOf(places[i].mark) - 0.5;
        const QSizeF size = ViewCoordinates::textSize(places[i].label, labelStyle.font);
        // Beside the mark, to the right unless the map ends there; then the
        // other side; then a line or two higher or lower.
        const qreal right = centre.x() + radius + kGap;
        const qreal left = centre.x() - radius - kGap - size.width();
        const bool rightFirst = right + size.width() <= mapWidth;
        QRectF candidates[10];
        size_t count = 0;
        for (const qreal lines : {0.0, -1.0, 1.0, -2.0, 2.0}) {
            const qreal top = centre.y() - size.height() / 2 + lines * size.height();
            for (const qreal x : {rightFirst ? right : left, rightFirst ? left : right}) {
                if (x >= 0 && x + size.width() <= mapWidth)
                    candidates[count++] = QRectF(x - 1, top, size.width() + 2, size.height());
            }
        }
        const std::optional<QRectF> box = placer.place({candidates, count});
        if (!box)
            continue;
        painter.fillRect(*box, labelBoxColour());
        // The label's origin in map coordinates: the bottom of its line box.
        const QPointF origin = view.point(box->x() + 1, box->bottom()); // y-down to y-up and back
        view.drawText(painter, origin.x(), origin.y(), places[i].label, labelStyle);
    }
    painter.restore();
}

namespace {
QRectF zoneLabelRect(float markerX, float markerY, const QString &label, const TextStyle &style,
                     int32_t mapWidth, const ViewCoordinates &view, float *shift = nullptr)
{
    const QSizeF size = ViewCoordinates::textSize(label, style.font);
    const float width = float(size.width());
    const float height = float(size.height());
    const float labelMove = labelShift(markerX, width, mapWidth);
    if (shift)
        *shift = labelMove;
    const RectF box = zoneLabelBox(markerX, markerY, width, height, labelMove);
    return view.rect(box.x, box.y, box.width, box.height);
}
} // namespace

void reserveZoneMarker(LabelPlacer &placer, float markerX, float markerY, const QString &label,
                       const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view)
{
    const RectF dot = markerDotRect(markerX, markerY);
    placer.reserve(view.rect(dot.x, dot.y, dot.width, dot.height));
    if (!label.isEmpty())
        placer.reserve(zoneLabelRect(markerX, markerY, label, style, mapWidth, view));
}

void drawZoneMarker(QPainter &painter, float markerX, float markerY, const ViewCoordinates &view)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const RectF dot = markerDotRect(markerX, markerY);
    painter.setBrush(Qt::red);
    painter.drawEllipse(view.rect(dot.x, dot.y, dot.width, dot.height));
    const RectF centre = markerCentreRect(markerX, markerY);
    painter.setBrush(Qt::black);
    painter.drawEllipse(view.rect(centre.x, centre.y, centre.width, centre.height));
    painter.restore();
}

void drawZoneLabel(QPainter &painter, float markerX, float markerY, const QString &label,
                   const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view)
{
    if (label.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    float shift = 0;
    const QRectF box = zoneLabelRect(markerX, markerY, label, style, mapWidth, view, &shift);
    painter.fillRect(box, labelBoxColour());
    const PointF origin = zoneLabelTextOrigin(markerX, markerY, shift);
    view.drawText(painter, origin.x, origin.y, label, style);
    painter.restore();
}
