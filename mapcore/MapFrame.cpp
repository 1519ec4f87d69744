#include "mapcore/MapFrame.h"

#include "astro/Sphere.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
/// How far a chord may stray from the curve it stands for, in points.
constexpr double kTolerance = 0.25;
/// Halvings of a step at most: a step of 10 degrees down to about 0.0006.
constexpr int kMaxDepth = 14;
/// Bisections to find where a line leaves the view: to well under a point.
constexpr int kRimSteps = 30;
// A step this short, hidden at both ends and midway, could only graze the
// view by far less than a pixel: not looked into further. Tracks of many
// short steps lie half behind the globe.
constexpr double kHiddenStepDegrees = 2.0;
/// Just short of the seam, so that a place there lands on its side.
constexpr double kSeamMargin = 1e-7;

GeoPoint midway(const GeoPoint &a, const GeoPoint &b)
{
    return {0.5 * (a.latitude + b.latitude), 0.5 * (a.longitude + b.longitude)};
}
} // namespace

MapFrame::MapFrame(const MapGeometry &geometry)
    : m_flat(true), m_geometry(geometry), m_width(geometry.mapWidth),
      m_height(2.0 * double(geometry.equatorialOffset)),
      m_period(360.0 * double(geometry.pixelsPerDegree))
{}

MapFrame::MapFrame(const MapProjection &projection)
    : m_flat(false), m_projection(projection), m_width(projection.frameWidth()),
      m_height(projection.frameHeight())
{
    // A plate carrée that covers a wider frame repeats sideways.
    if (projection.view() == MapView::PlateCarree &&
        projection.frameWidth() > 2.0 * std::numbers::pi * projection.scale())
        m_period = 2.0 * std::numbers::pi * projection.scale();
}

GeoPoint MapFrame::centre() const
{
    return m_flat ? GeoPoint{} : m_projection.centre();
}

std::optional<FramePoint> MapFrame::toFrame(const GeoPoint &place) const
{
    if (!m_flat)
        return m_projection.forward(place);
    const MapGeometry &g = m_geometry;
    return FramePoint{g.meridianOffset + place.longitude * g.pixelsPerDegree,
                      m_height - (g.equatorialOffset + place.latitude * g.pixelsPerDegree)};
}

std::optional<GeoPoint> MapFrame::fromFrame(const FramePoint &point) const
{
    if (!m_flat)
        return m_projection.inverse(point);
    const MapGeometry &g = m_geometry;
    if (!(g.pixelsPerDegree > 0.0f))
        return std::nullopt;
    const GeoPoint place{(m_height - point.y - g.equatorialOffset) / g.pixelsPerDegree,
                         (point.x - g.meridianOffset) / g.pixelsPerDegree};
    if (!(std::fabs(place.latitude) <= 90.0 && std::fabs(place.longitude) <= 180.0))
        return std::nullopt;
    return place;
}

double MapFrame::pixelsPerDegree() const
{
    return m_flat ? double(m_geometry.pixelsPerDegree) : m_projection.scale() * sphere::kDegToRad;
}

double MapFrame::pixelsPerDegreeAt(const GeoPoint &place) const
{
    constexpr double kStep = 0.01;
    const GeoPoint other{place.latitude < 0.0 ? place.latitude + kStep : place.latitude - kStep,
                         place.longitude};
    const auto a = toFrame(place), b = toFrame(other);
    return a && b ? std::hypot(a->x - b->x, a->y - b->y) / kStep : 0.0;
}

std::vector<FrameLine> MapFrame::rim() const
{
    if (m_flat)
        return {};
    constexpr int kSteps = 720;
    FrameLine line;
    switch (m_projection.view()) {
    case MapView::PlateCarree:
        return {};
    case MapView::Azimuthal:
    case MapView::Globe: {
        // The antipode's circle, or the horizon's.
        const double radius = m_projection.scale() *
                              (m_projection.view() == MapView::Azimuthal ? std::numbers::pi : 1.0);
        for (int i = 0; i <= kSteps; ++i) {
            const double angle = 2.0 * std::numbers::pi * i / kSteps;
            line.push_back(
                {m_width / 2 + radius * std::cos(angle), m_height / 2 + radius * std::sin(angle)});
        }
        break;
    }
    case MapView::Robinson:
    case MapView::Mollweide: {
        // Round by the meridian just west of the far one and back up the one
        // just east of it: the poles' lines, where there are some, join them.
        const double far = m_projection.centre().longitude + 180.0;
        for (const double side : {-1e-9, 1e-9}) {
            for (int i = 0; i <= kSteps; ++i) {
                const double latitude =
                    side < 0 ? 90.0 - 180.0 * i / kSteps : -90.0 + 180.0 * i / kSteps;
                if (const auto p = m_projection.forward({latitude, far + side}))
                    line.push_back(*p);
            }
        }
        if (!line.empty())
            line.push_back(line.front());
        break;
    }
    }
    return {line};
}

std::vector<FrameLine> MapFrame::cut(std::span<const GeoPoint> line) const
{
    std::vector<FrameLine> runs;
    if (line.size() < 2)
        return runs;
    // Longitudes running on continuously, each within half a turn of the one
    // before; moved by whole turns only, so that they stay exact.
    std::vector<GeoPoint> places;
    places.reserve(line.size());
    for (const GeoPoint &p : line)
        if (std::isfinite(p.latitude) && std::isfinite(p.longitude))
            places.push_back(p);
    if (places.size() < 2)
        return runs;
    for (size_t i = 1; i < places.size(); ++i)
        places[i].longitude +=
            360.0 * std::round((places[i - 1].longitude - places[i].longitude) / 360.0);

    if (m_period > 0.0) {
        // The world repeats sideways, and along a parallel the mapping is
        // straight: the line as it is, once for every copy that reaches into
        // the frame.
        const auto [west, east] = std::minmax_element(
            places.begin(), places.end(),
            [](const GeoPoint &a, const GeoPoint &b) { return a.longitude < b.longitude; });
        const double reach = 0.5 * m_width / pixelsPerDegree();
        const double centre = this->centre().longitude;
        FrameLine base;
        base.reserve(places.size());
        for (const GeoPoint &p : places) {
            if (m_flat) {
                base.push_back(*toFrame(p));
            } else {
                const double perDegree = pixelsPerDegree();
                base.push_back({0.5 * m_width + (p.longitude - centre) * perDegree,
                                0.5 * m_height - p.latitude * perDegree});
            }
        }
        const int first = int(std::ceil((centre - reach - east->longitude) / 360.0)) - 1;
        const int last = int(std::floor((centre + reach - west->longitude) / 360.0)) + 1;
        for (int shift = first; shift <= last; ++shift) {
            if (west->longitude + 360.0 * shift >= centre + reach ||
                east->longitude + 360.0 * shift <= centre - reach)
                continue;
            FrameLine copy = base;
            for (FramePoint &p : copy)
                p.x += shift * m_period;
            runs.push_back(std::move(copy));
        }
        return runs;
    }

    // Views that cut the world along the meridian opposite their centre.
    const MapView view = m_projection.view();
    const bool seam =
        view == MapView::PlateCarree || view == MapView::Robinson || view == MapView::Mollweide;
    const double centre = m_projection.centre().longitude;
    FrameLine run;
    GeoPoint a = places.front();
    std::optional<FramePoint> pa = toFrame(a);
    if (pa)
        run.push_back(*pa);
    double offset = 0.0; // whole turns taken off at each crossing of the seam
    for (size_t i = 1; i < places.size(); ++i) {
        GeoPoint b = places[i];
        b.longitude += offset;
        if (seam) {
            const double turns = std::floor((a.longitude - centre + 180.0) / 360.0);
            const double ra = a.longitude - centre - 360.0 * turns;
            const double rb = b.longitude - centre - 360.0 * turns;
            if ((rb >= 180.0 || rb < -180.0) && rb != ra) {
                const double edge = rb >= 180.0 ? 180.0 : -180.0;
                const double t = std::clamp((edge - ra) / (rb - ra), 0.0, 1.0);
                const double latitude = a.latitude + t * (b.latitude - a.latitude);
                const double inside = edge > 0.0 ? -kSeamMargin : kSeamMargin;
                // In the turn of longitudes a is in, so that the step stays short.
                const double seamLongitude = centre + edge + 360.0 * turns;
                const GeoPoint end{latitude, seamLongitude + inside};
                const auto pend = toFrame(end);
                addStep(run, runs, a, pa, end, pend, 0);
                if (run.size() > 1)
                    runs.push_back(std::move(run));
                run.clear();
                a = {latitude, seamLongitude - 2.0 * edge - inside};
                pa = toFrame(a);
                if (pa)
                    run.push_back(*pa);
                // Later places go on from the other side of the seam.
                b.longitude -= 2.0 * edge;
                offset -= 2.0 * edge;
            }
        }
        if (seam) {
            // A place on the seam itself lands on a's side of it.
            const double turns = std::floor((a.longitude - centre + 180.0) / 360.0);
            const double rb = b.longitude - centre - 360.0 * turns;
            b.longitude -= rb - std::clamp(rb, -180.0 + kSeamMargin, 180.0 - kSeamMargin);
        }
        const auto pb = toFrame(b);
        addStep(run, runs, a, pa, b, pb, 0);
        a = b;
        pa = pb;
    }
    if (run.size() > 1)
        runs.push_back(std::move(run));
    return runs;
}

void MapFrame::addStep(FrameLine &run, std::vector<FrameLine> &runs, const GeoPoint &a,
                       const std::optional<FramePoint> &pa, const GeoPoint &b,
                       const std::optional<FramePoint> &pb, int depth) const
{
    const auto endRun = [&] {
        if (run.size() > 1)
            runs.push_back(std::move(run));
        run.clear();
    };
    const GeoPoint m = midway(a, b);
    const auto pm = toFrame(m);
    if (pa && pb) {
        if (!pm) {
            // The line leaves the view between the two and comes back.
            if (depth < kMaxDepth) {
                addStep(run, runs, a, pa, m, pm, depth + 1);
                addStep(run, runs, m, pm, b, pb, depth + 1);
            } else {
                endRun();
                run.push_back(*pb);
            }
            return;
        }
        const double strays =
            std::hypot(pm->x - 0.5 * (pa->x + pb->x), pm->y - 0.5 * (pa->y + pb->y));
        if (strays > kTolerance) {
            if (depth < kMaxDepth) {
                addStep(run, runs, a, pa, m, pm, depth + 1);
                addStep(run, runs, m, pm, b, pb, depth + 1);
                return;
            }
            // Still bent at the finest step: the line jumps across the view.
            endRun();
            run.push_back(*pb);
            return;
        }
        if (run.empty())
            run.push_back(*pa);
        run.push_back(*pb);
        return;
    }
    if (!pa && !pb) {
        // Both hidden; a long step may still pass through the view between.
        if (pm && depth < kMaxDepth) {
            addStep(run, runs, a, pa, m, pm, depth + 1);
            addStep(run, runs, m, pm, b, pb, depth + 1);
        } else if (!pm && depth < 4 &&
                   std::max(std::fabs(b.latitude - a.latitude),
                            std::fabs(b.longitude - a.longitude)) > kHiddenStepDegrees) {
            addStep(run, runs, a, pa, m, pm, depth + 1);
            addStep(run, runs, m, pm, b, pb, depth + 1);
        }
        return;
    }
    // One end hidden: where the line crosses the rim, by bisection.
    GeoPoint shown = pa ? a : b, hidden = pa ? b : a;
    for (int i = 0; i < kRimSteps; ++i) {
        const GeoPoint mid = midway(shown, hidden);
        (toFrame(mid) ? shown : hidden) = mid;
    }
    const auto rim = toFrame(shown);
    if (pa) {
        addStep(run, runs, a, pa, shown, rim, depth + 1);
        endRun();
    } else {
        endRun();
        run.push_back(*rim);
        addStep(run, runs, shown, rim, b, pb, depth + 1);
    }
}
