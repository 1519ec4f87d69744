#include "mapcore/MapProjection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using sphere::kDegToRad;
using sphere::kRadToDeg;
using sphere::placeOf;
using sphere::unitVector;
using sphere::wrapDegrees;
using sphere::wrapRadians;

namespace {

constexpr double kPi = std::numbers::pi;

// Robinson's projection is defined by his table of lengths of the parallels
// and their distances from the equator every 5 degrees. Between the rows it is
// interpolated with one cubic in degrees per band; these are the cubics that
// PROJ's "robin" uses, recovered from libproj by tools/robinson-coefficients,
// so that the two agree to rounding.
struct Cubic
{
    float c0, c1, c2, c3;
    double at(double t) const { return c0 + t * (c1 + t * (c2 + t * double(c3))); }
    double slope(double t) const { return c1 + 2.0 * t * c2 + t * t * 3.0 * double(c3); }
};
#include "mapcore/RobinsonTable.inc"
constexpr int kRobinsonBands = 18;
constexpr double kRobinsonXScale = 0.8487;
constexpr double kRobinsonYScale = 1.3523;
constexpr double kBandsPerRadian = 1.0 / (5.0 * kDegToRad);

ViewPoint robinsonForward(double lat, double lon)
{
    const double absLat = std::fabs(lat);
    const int band = std::min(int(std::floor(absLat * kBandsPerRadian)), kRobinsonBands - 1);
    const double t = kRadToDeg * (absLat - band * 5.0 * kDegToRad);
    const double y = kRobinsonY[band].at(t) * kRobinsonYScale;
    return {kRobinsonX[band].at(t) * kRobinsonXScale * lon, lat < 0.0 ? -y : y};
}

std::optional<std::pair<double, double>> robinsonInverse(const ViewPoint &point)
{
    double lon = point.x / kRobinsonXScale;
    const double yRatio = std::fabs(point.y / kRobinsonYScale);
    double lat = 0.0;
    if (yRatio >= 1.0) {
        if (yRatio > 1.0 + 1e-12)
            return std::nullopt;
        lat = kPi / 2;
        lon /= kRobinsonX[kRobinsonBands].c0;
    } else {
        int band = 0;
        while (band + 1 < kRobinsonBands && kRobinsonY[band + 1].c0 <= yRatio)
            ++band;
        // Newton's method on the band's cubic, from the linear guess.
        const Cubic &y = kRobinsonY[band];
        double t = 5.0 * (yRatio - y.c0) / (kRobinsonY[band + 1].c0 - y.c0);
        for (int i = 0; i < 50; ++i) {
            const double step = (y.at(t) - yRatio) / y.slope(t);
            t -= step;
            if (std::fabs(step) < 1e-14)
                break;
        }
        lat = (band * 5.0 + t) * kDegToRad;
        lon /= kRobinsonX[band].at(t);
    }
    if (std::fabs(lon) > kPi * (1.0 + 1e-12))
        return std::nullopt;
    return std::pair{point.y < 0.0 ? -lat : lat, std::clamp(lon, -kPi, kPi)};
}

// Mollweide's auxiliary angle: 2 theta + sin 2 theta = pi sin(latitude),
// by Newton's method.
double mollweideTheta(double lat)
{
    if (std::fabs(lat) >= kPi / 2)
        return std::copysign(kPi / 2, lat);
    const double target = kPi * std::sin(lat);
    double twice = 2.0 * lat;
    for (int i = 0; i < 60; ++i) {
        const double step = (twice + std::sin(twice) - target) / (1.0 + std::cos(twice));
        twice -= step;
        if (std::fabs(step) < 1e-15)
            break;
    }
    return twice / 2.0;
}

constexpr double kSqrt2 = std::numbers::sqrt2;

} // namespace

MapProjection::MapProjection(MapView view, const GeoPoint &centre, double frameWidth,
                             double frameHeight, MapFit fit)
    : m_view(view), m_width(frameWidth), m_height(frameHeight)
{
    setCentre(centre);
    const ViewPoint half = halfExtent();
    const double across = frameWidth / (2.0 * half.x);
    const double down = frameHeight / (2.0 * half.y);
    m_scale = fit == MapFit::Contain ? std::min(across, down) : std::max(across, down);
    m_wraps = m_view == MapView::PlateCarree && fit == MapFit::Cover;
}

void MapProjection::setCentre(const GeoPoint &centre)
{
    m_centre = centre;
    if (m_view == MapView::PlateCarree)
        m_centre.latitude = 0.0;
    const sphere::LocalFrame frame = sphere::localFrame(m_centre);
    m_up = frame.up;
    m_east = frame.east;
    m_north = frame.north;
    m_sinLat0 = m_up[2];
    m_cosLat0 = m_north[2];
}

MapProjection MapProjection::recentred(const GeoPoint &centre) const
{
    MapProjection moved = *this;
    moved.setCentre(centre);
    return moved;
}

ViewPoint viewHalfExtent(MapView view)
{
    switch (view) {
    case MapView::PlateCarree:
        return {kPi, kPi / 2};
    case MapView::Azimuthal:
        return {kPi, kPi};
    case MapView::Globe:
        return {1.0, 1.0};
    case MapView::Robinson:
        return {kRobinsonXScale * kPi, kRobinsonYScale};
    case MapView::Mollweide:
        return {2.0 * kSqrt2, kSqrt2};
    }
    return {1.0, 1.0};
}

std::optional<ViewPoint> MapProjection::project(const GeoPoint &place) const
{
    if (!std::isfinite(place.latitude) || !std::isfinite(place.longitude) ||
        std::fabs(place.latitude) > 90.0)
        return std::nullopt;
    const double lat = place.latitude * kDegToRad;
    const double dLon = wrapRadians(place.longitude * kDegToRad - m_centre.longitude * kDegToRad);
    switch (m_view) {
    case MapView::PlateCarree:
        return ViewPoint{dLon, lat};
    case MapView::Robinson:
        return robinsonForward(lat, dLon);
    case MapView::Mollweide: {
        const double theta = mollweideTheta(lat);
        return ViewPoint{2.0 * kSqrt2 / kPi * dLon * std::cos(theta), kSqrt2 * std::sin(theta)};
    }
    case MapView::Azimuthal:
    case MapView::Globe:
        break;
    }
    const double sinLat = std::sin(lat);
    const double cosLat = std::cos(lat);
    const double cosDLon = std::cos(dLon);
    const double x = cosLat * std::sin(dLon);
    const double y = m_cosLat0 * sinLat - m_sinLat0 * cosLat * cosDLon;
    const double cosC = m_sinLat0 * sinLat + m_cosLat0 * cosLat * cosDLon;
    if (m_view == MapView::Globe) {
        if (cosC < 0.0)
            return std::nullopt;
        return ViewPoint{x, y};
    }
    // Azimuthal equidistant: the orthographic point stretched to the arc.
    const double sinC = std::hypot(x, y);
    if (sinC < 1e-15)
        return cosC > 0.0 ? std::optional(ViewPoint{0.0, 0.0}) : std::nullopt;
    const double k = std::atan2(sinC, cosC) / sinC;
    return ViewPoint{k * x, k * y};
}

std::optional<GeoPoint> MapProjection::unproject(const ViewPoint &point) const
{
    switch (m_view) {
    case MapView::PlateCarree: {
        if (std::fabs(point.y) > kPi / 2 || (!m_wraps && std::fabs(point.x) > kPi))
            return std::nullopt;
        return GeoPoint{point.y * kRadToDeg, wrapDegrees(m_centre.longitude + point.x * kRadToDeg)};
    }
    case MapView::Robinson: {
        const auto latLon = robinsonInverse(point);
        if (!latLon)
            return std::nullopt;
        return GeoPoint{latLon->first * kRadToDeg,
                        wrapDegrees(m_centre.longitude + latLon->second * kRadToDeg)};
    }
    case MapView::Mollweide: {
        if (point.x * point.x / 8.0 + point.y * point.y / 2.0 > 1.0)
            return std::nullopt;
        const double theta = std::asin(std::clamp(point.y / kSqrt2, -1.0, 1.0));
        const double lat =
            std::asin(std::clamp((2.0 * theta + std::sin(2.0 * theta)) / kPi, -1.0, 1.0));
        const double cosTheta = std::cos(theta);
        const double lon = cosTheta > 1e-15 ? kPi * point.x / (2.0 * kSqrt2 * cosTheta) : 0.0;
        return GeoPoint{lat * kRadToDeg,
                        wrapDegrees(m_centre.longitude + std::clamp(lon, -kPi, kPi) * kRadToDeg)};
    }
    case MapView::Azimuthal:
    case MapView::Globe:
        break;
    }
    const auto v = sphereVectorAt(point);
    if (!v)
        return std::nullopt;
    return placeOf(*v);
}

std::optional<std::array<double, 3>> MapProjection::sphereVectorAt(const ViewPoint &point) const
{
    const double rho = std::hypot(point.x, point.y);
    double along = 0.0;  // along the centre's direction
    double across = 0.0; // along the point's direction in the tangent plane, per unit of rho
    if (m_view == MapView::Globe) {
        if (rho > 1.0)
            return std::nullopt;
        along = std::sqrt(std::max(0.0, 1.0 - rho * rho));
        across = 1.0;
    } else {
        if (rho > kPi)
            return std::nullopt;
        along = std::cos(rho);
        across = rho > 1e-15 ? std::sin(rho) / rho : 1.0;
    }
    std::array<double, 3> v{};
    for (int i = 0; i < 3; ++i)
        v[i] = along * m_up[i] + across * (point.x * m_east[i] + point.y * m_north[i]);
    return v;
}

ViewPoint MapProjection::toView(const FramePoint &point) const
{
    return {(point.x - 0.5 * m_width) / m_scale, (0.5 * m_height - point.y) / m_scale};
}

std::optional<FramePoint> MapProjection::forward(const GeoPoint &place) const
{
    const auto p = project(place);
    if (!p)
        return std::nullopt;
    return FramePoint{0.5 * m_width + p->x * m_scale, 0.5 * m_height - p->y * m_scale};
}

std::optional<GeoPoint> MapProjection::inverse(const FramePoint &point) const
{
    if (m_scale <= 0.0)
        return std::nullopt;
    return unproject(toView(point));
}

std::optional<std::array<double, 3>> MapProjection::unitVectorAt(const FramePoint &point) const
{
    if (m_scale <= 0.0)
        return std::nullopt;
    if (m_view == MapView::Azimuthal || m_view == MapView::Globe)
        return sphereVectorAt(toView(point));
    const auto place = inverse(point);
    if (!place)
        return std::nullopt;
    return unitVector(*place);
}

std::optional<GeoPoint> MapProjection::centreShowing(const GeoPoint &place,
                                                     const FramePoint &point) const
{
    if (m_scale <= 0.0 || (m_view != MapView::Azimuthal && m_view != MapView::Globe))
        return std::nullopt;
    // The point's up, east and north parts in the frame of any centre: as the
    // same view centred on 0° N 0° E gives them.
    MapProjection level = *this;
    level.m_up = {1.0, 0.0, 0.0};
    level.m_east = {0.0, 1.0, 0.0};
    level.m_north = {0.0, 0.0, 1.0};
    const auto local = level.sphereVectorAt(toView(point));
    if (!local)
        return std::nullopt;
    const auto [up, east, north] = *local;
    // A centre at latitude φ lifts the place to north·cos φ + up·sin φ above
    // the equator's plane: the place's own sin(latitude) sets φ, two ways.
    const double reach = std::hypot(north, up);
    if (reach < 1e-12)
        return std::nullopt;
    const double towards = std::atan2(up, north);
    const double spread =
        std::acos(std::clamp(std::sin(place.latitude * kDegToRad) / reach, -1.0, 1.0));
    // The one nearer this view's centre; where north up allows neither, the
    // view stops at the pole.
    const double now = m_centre.latitude * kDegToRad;
    const auto rank = [now](double phi) {
        return std::pair(std::fabs(phi) > kPi / 2 + 1e-12, std::fabs(phi - now));
    };
    double latitude = sphere::wrapRadians(towards + spread);
    if (const double other = sphere::wrapRadians(towards - spread); rank(other) < rank(latitude))
        latitude = other;
    latitude = std::clamp(latitude, -kPi / 2, kPi / 2);
    // Then the centre's longitude turns the place round to its own.
    const double across = up * std::cos(latitude) - north * std::sin(latitude);
    const double shown = std::atan2(east, across) * kRadToDeg;
    return GeoPoint{latitude * kRadToDeg, sphere::wrapDegrees(place.longitude - shown)};
}

std::optional<MapProjection::Row> MapProjection::rowAt(double frameY) const
{
    if (m_scale <= 0.0)
        return std::nullopt;
    const double y = (0.5 * m_height - frameY) / m_scale;
    // Radians of longitude per Earth radius across.
    double perUnit = 1.0;
    double latitude = y;
    switch (m_view) {
    case MapView::PlateCarree:
        if (std::fabs(y) > kPi / 2)
            return std::nullopt;
        break;
    case MapView::Robinson: {
        const auto latLon = robinsonInverse({1.0, y});
        if (!latLon)
            return std::nullopt;
        latitude = latLon->first;
        perUnit = latLon->second;
        break;
    }
    case MapView::Mollweide: {
        if (std::fabs(y) > kSqrt2)
            return std::nullopt;
        const double theta = std::asin(std::clamp(y / kSqrt2, -1.0, 1.0));
        latitude = std::asin(std::clamp((2.0 * theta + std::sin(2.0 * theta)) / kPi, -1.0, 1.0));
        perUnit = kPi / (2.0 * kSqrt2 * std::max(std::cos(theta), 1e-300));
        break;
    }
    case MapView::Azimuthal:
    case MapView::Globe:
        return std::nullopt;
    }
    const double perPixel = perUnit / m_scale;
    return Row{latitude, -0.5 * m_width * perPixel, perPixel, m_wraps ? HUGE_VAL : kPi};
}
