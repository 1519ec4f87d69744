#include "render/SatelliteLayers.h"

#include "astro/PlaceSun.h"
#include "astro/SkyPositions.h"
#include "astro/Sphere.h"
#include "render/FastLines.h"
#include "render/LabelPlacer.h"
#include "render/RasterBlend.h"
#include "render/SkyLayers.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
/// The footprint's fill: faint, so that the map shows through.
constexpr int kFootprintAlpha = 44;
/// The track behind the satellite is drawn fainter, as a thinner line.
constexpr int kTrackBehindAlpha = 120;
/// A point of the track at least this often, and some 360 points an orbit
/// for the slow ones.
constexpr double kShortestTrackStepSeconds = 30.0;
constexpr double kTrackPointsAnOrbit = 360.0;
/// The Sun moves a quarter degree a minute: its point is worked out every
/// ten minutes and interpolated, well within the shadow's edge of a pixel.
constexpr double kSunStepSeconds = 600.0;
constexpr int kRimPoints = 96;

uint32_t premultiplied(const QColor &colour, int alpha)
{
    return qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), alpha));
}

} // namespace

QColor satelliteColour(SatelliteLight light)
{
    switch (light) {
    case SatelliteLight::Shadow:
        return {110, 145, 235};
    case SatelliteLight::Sunlit:
        return {255, 212, 80};
    case SatelliteLight::Visible:
        return {90, 255, 150};
    case SatelliteLight::Stale:
        break;
    }
    return {150, 150, 150};
}

SatelliteLight lightOf(const SatelliteNow &now)
{
    if (now.stale)
        return SatelliteLight::Stale;
    if (now.visibleFromHome)
        return SatelliteLight::Visible;
    return now.place.sunlit ? SatelliteLight::Sunlit : SatelliteLight::Shadow;
}

FootprintLayer::FootprintLayer(std::span<const SatelliteNow> satellites)
{
    for (const SatelliteNow &now : satellites) {
        if (!(now.footprintRadiusKm > 0.0))
            continue;
        const sphere::Vector c = sphere::unitVector(now.place.subPoint);
        const double angle = now.footprintRadiusKm / orbits::kWgs84RadiusKm;
        // The cap reaches from the latitude of its centre less its angle to
        // that plus it, over a pole when that passes 90 degrees.
        const double latitude = now.place.subPoint.latitude * sphere::kDegToRad;
        const double low = latitude - angle, high = latitude + angle;
        m_caps.push_back({float(c[0]), float(c[1]), float(c[2]), float(std::cos(angle)),
                          float(std::sin(angle)), float(angle),
                          low <= -M_PI / 2 ? -1.0f : float(std::sin(low)) - 1e-5f,
                          high >= M_PI / 2 ? 1.0f : float(std::sin(high)) + 1e-5f,
                          premultiplied(satelliteColour(lightOf(now)), kFootprintAlpha)});
    }
}

void FootprintLayer::addKey(PixelLayerKey &key) const
{
    for (const Cap &cap : m_caps)
        key.numbers.insert(key.numbers.end(),
                           {cap.x, cap.y, cap.z, cap.cosRadius, double(cap.colour)});
}

void FootprintLayer::drawRow(const PixelRow &places, uint32_t *pixels) const
{
    // The row in runs of a few pixels, each bounded by a small cap of its
    // own: the direction of its middle and the greatest angle from it. A run
    // wholly outside a footprint is passed over, one wholly inside filled,
    // and only the runs on a rim are tested pixel by pixel. Twenty
    // footprints cost a few tests a run rather than twenty a pixel.
    struct Run
    {
        float x, y, z;           ///< the run's middle direction
        float angle, cosA, sinA; ///< its greatest angle from it
        bool shows;
    };
    constexpr int32_t kRun = 16;
    thread_local std::vector<Run> runs;
    runs.assign(size_t((places.width + kRun - 1) / kRun), Run{});
    for (size_t r = 0; r < runs.size(); ++r) {
        const int32_t begin = int32_t(r) * kRun, end = std::min(begin + kRun, places.width);
        float sx = 0, sy = 0, sz = 0;
        for (int32_t i = begin; i < end; ++i) {
            sx += places.x[i];
            sy += places.y[i];
            sz += places.z[i];
        }
        const float length = std::sqrt(sx * sx + sy * sy + sz * sz);
        Run &run = runs[r];
        if (!(length > 0.0f))
            continue; // no place in the run
        run = {sx / length, sy / length, sz / length, 0.0f, 1.0f, 0.0f, true};
        for (int32_t i = begin; i < end; ++i) {
            if (places.shows(i))
                run.cosA = std::min(run.cosA, places.x[i] * run.x + places.y[i] * run.y +
                                                  places.z[i] * run.z);
        }
        // A little wider, for the rounding of single precision.
        run.cosA = std::max(-1.0f, run.cosA - 1e-5f);
        run.sinA = std::sqrt(std::max(0.0f, 1.0f - run.cosA * run.cosA));
        run.angle = std::acos(run.cosA);
    }
    // And the row's extent in z: on the flat map a row is one latitude, which
    // most footprints do not reach.
    float zLow = 1.0f, zHigh = -1.0f;
    for (int32_t i = 0; i < places.width; ++i) {
        zLow = std::min(zLow, places.z[i]);
        zHigh = std::max(zHigh, places.z[i]);
    }
    for (const Cap &cap : m_caps) {
        if (cap.zHigh < zLow || cap.zLow > zHigh)
            continue;
        for (size_t r = 0; r < runs.size(); ++r) {
            const Run &run = runs[r];
            if (!run.shows)
                continue;
            const float d = run.x * cap.x + run.y * cap.y + run.z * cap.z;
            // Outside when the middle is further than the two angles together,
            // inside when nearer than the cap's less the run's.
            if (run.angle + cap.radius < float(M_PI) &&
                run.cosA * cap.cosRadius - run.sinA * cap.sinRadius > d)
                continue;
            const bool whole = run.cosA * cap.cosRadius + run.sinA * cap.sinRadius < d &&
                               cap.cosRadius <= run.cosA;
            const int32_t begin = int32_t(r) * kRun, end = std::min(begin + kRun, places.width);
            for (int32_t i = begin; i < end; ++i) {
                if (!places.shows(i))
                    continue;
                if (whole || places.x[i] * cap.x + places.y[i] * cap.y + places.z[i] * cap.z >=
                                 cap.cosRadius)
                    pixels[i] = blendOver(pixels[i], cap.colour);
            }
        }
    }
}

GeoPoint SatelliteTracks::subsolarAt(double unixSeconds)
{
    const double at = unixSeconds / kSunStepSeconds;
    const auto node = [this](int64_t n) {
        auto [it, added] = m_sun.try_emplace(n);
        if (added)
            it->second = astro::subsolarPoint(astro::utcInstantOf(double(n) * kSunStepSeconds));
        return it->second;
    };
    const auto n = int64_t(std::floor(at));
    const double f = at - double(n);
    const GeoPoint a = node(n), b = node(n + 1);
    return {a.latitude + (b.latitude - a.latitude) * f,
            sphere::wrapDegrees(a.longitude + sphere::wrapDegrees(b.longitude - a.longitude) * f)};
}

SatelliteTracks::Point SatelliteTracks::pointAt(const ShownSatellite &satellite, int64_t step,
                                                double stepSeconds, bool stale)
{
    const double t = double(step) * stepSeconds;
    const orbits::TemeState state = satellite.sgp4.atUnixSeconds(t);
    if (state.error != orbits::Sgp4Error::None)
        return {t, {NAN, NAN}, SatelliteLight::Stale};
    const sphere::Vector position = orbits::earthFixedOf(state.positionKm, t);
    const std::optional<GeoPoint> below = orbits::subPointOf(position);
    if (!below)
        return {t, {NAN, NAN}, SatelliteLight::Stale};
    if (stale)
        return {t, *below, SatelliteLight::Stale};
    const GeoPoint sun = subsolarAt(t);
    if (orbits::inEarthShadow(position, sun))
        return {t, *below, SatelliteLight::Shadow};
    const bool visible = m_observer &&
                         astro::horizontalFrom(m_observer->place(), sun).altitudeDeg <
                             orbits::kVisibleSunAltitudeDeg &&
                         m_observer->look(position).elevationDeg >= m_mask;
    return {t, *below, visible ? SatelliteLight::Visible : SatelliteLight::Sunlit};
}

void SatelliteTracks::update(std::span<const SatelliteNow> satellites, double unixSeconds,
                             const std::optional<GeoPoint> &home, double homeElevationMetres,
                             double maskDeg)
{
    if (home != m_home || homeElevationMetres != m_homeElevation || maskDeg != m_mask) {
        ++m_revision;
        m_tracks.clear();
        m_home = home;
        m_homeElevation = homeElevationMetres;
        m_mask = maskDeg;
        m_observer.reset();
        if (home)
            m_observer.emplace(*home, homeElevationMetres);
    }
    for (auto &[number, kept] : m_tracks)
        kept.used = false;
    for (const SatelliteNow &now : satellites) {
        const ShownSatellite &satellite = *now.satellite;
        const double period = satellite.sgp4.periodMinutes() * 60.0;
        if (!(period > 0.0))
            continue;
        const double stepSeconds =
            std::max(kShortestTrackStepSeconds, std::ceil(period / kTrackPointsAnOrbit));
        const auto first = int64_t(std::floor((unixSeconds - period) / stepSeconds));
        const auto last = int64_t(std::ceil((unixSeconds + period) / stepSeconds));
        Kept &kept = m_tracks[satellite.elements.catalogNumber];
        const bool stale = now.stale;
        if (kept.epochUnixSeconds != satellite.elements.epochUnixSeconds ||
            (!kept.points.empty() &&
             (kept.points.front().light == SatelliteLight::Stale) != stale)) {
            ++m_revision;
            kept = {};
        }
        kept.epochUnixSeconds = satellite.elements.epochUnixSeconds;
        kept.used = true;
        const int64_t keptLast = kept.first + int64_t(kept.points.size()) - 1;
        if (!kept.points.empty() && kept.first == first && keptLast == last &&
            kept.points.front().unixSeconds == double(first) * stepSeconds)
            continue; // the same points as at the last instant
        // The points the last instant shared with this one are kept.
        std::vector<Point> points;
        points.reserve(size_t(last - first + 1));
        for (int64_t step = first; step <= last; ++step) {
            if (step >= kept.first && step <= keptLast &&
                kept.points[size_t(step - kept.first)].unixSeconds == double(step) * stepSeconds)
                points.push_back(kept.points[size_t(step - kept.first)]);
            else {
                ++m_revision;
                points.push_back(pointAt(satellite, step, stepSeconds, stale));
            }
        }
        kept.first = first;
        kept.points = std::move(points);
    }
    m_revision += std::erase_if(m_tracks, [](const auto &each) { return !each.second.used; });
    // The Sun's points an hour and more away from every track are dropped.
    const auto oldest = int64_t(std::floor((unixSeconds - 86400.0) / kSunStepSeconds));
    const auto newest = int64_t(std::ceil((unixSeconds + 86400.0) / kSunStepSeconds));
    std::erase_if(m_sun,
                  [&](const auto &each) { return each.first < oldest || each.first > newest; });
}

const std::vector<SatelliteTracks::Point> &SatelliteTracks::track(int catalogNumber) const
{
    static const std::vector<Point> none;
    const auto it = m_tracks.find(catalogNumber);
    return it == m_tracks.end() ? none : it->second.points;
}

void SatelliteTrackLines::draw(QImage &image, const MapFrame &frame, double scale,
                               std::span<const SatelliteNow> satellites,
                               const SatelliteTracks &tracks, double unixSeconds)
{
    std::vector<double> shown;
    for (const SatelliteNow &now : satellites)
        shown.insert(shown.end(),
                     {double(now.satellite->elements.catalogNumber), now.place.subPoint.latitude,
                      now.place.subPoint.longitude, now.footprintRadiusKm, double(lightOf(now))});
    if (!(frame == m_frame) || unixSeconds != m_unixSeconds || tracks.revision() != m_revision ||
        shown != m_shown) {
        m_frame = frame;
        m_unixSeconds = unixSeconds;
        m_revision = tracks.revision();
        m_shown = std::move(shown);
        m_lines.clear();
        m_kept.clear();
        cut(frame, satellites, tracks, unixSeconds);
        drawLines(image, scale);
        return;
    }
    // Drawn a second time: kept as the pixels they cover, as the window
    // draws one instant again for many reasons. Satellites move a pixel in
    // seconds, so lines drawn once are not kept.
    if (m_kept.isEmpty()) {
        QImage lines(image.size(), QImage::Format_ARGB32_Premultiplied);
        lines.fill(Qt::transparent);
        drawLines(lines, scale);
        m_kept.record(lines);
    }
    m_kept.blendOnto(image);
}

void SatelliteTrackLines::drawLines(QImage &image, double scale) const
{
    for (const Line &line : m_lines) {
        FastLines lines(image, line.colour);
        lines.polyline(line.piece, scale);
    }
}

void SatelliteTrackLines::cut(const MapFrame &frame, std::span<const SatelliteNow> satellites,
                              const SatelliteTracks &tracks, double unixSeconds)
{
    const auto add = [&](const std::vector<GeoPoint> &places, QRgb colour) {
        for (FrameLine &piece : frame.cut(places))
            m_lines.push_back({std::move(piece), colour});
    };
    for (const SatelliteNow &now : satellites) {
        const SatelliteLight nowLight = lightOf(now);
        // The rim of the footprint, in the satellite's colour.
        if (now.footprintRadiusKm > 0.0) {
            std::vector<GeoPoint> rim;
            rim.reserve(kRimPoints + 1);
            const double angle = now.footprintRadiusKm / orbits::kWgs84RadiusKm;
            for (int i = 0; i <= kRimPoints; ++i)
                rim.push_back(sphere::destinationPoint(now.place.subPoint,
                                                       2.0 * M_PI * i / kRimPoints, angle));
            add(rim, satelliteColour(nowLight).rgba());
        }
        // The track in runs of one light and one side of the satellite,
        // each run starting where the last ended.
        std::vector<GeoPoint> run;
        SatelliteLight runLight = nowLight;
        bool runBehind = true;
        const auto flush = [&] {
            if (run.size() < 2)
                return;
            QColor colour = satelliteColour(runLight);
            if (runBehind)
                colour.setAlpha(kTrackBehindAlpha);
            add(run, qPremultiply(colour.rgba()));
        };
        const auto extend = [&](const GeoPoint &place, SatelliteLight light, bool behind) {
            if (!run.empty() && (light != runLight || behind != runBehind)) {
                flush();
                const GeoPoint last = run.back();
                run.assign(1, last);
            }
            runLight = light;
            runBehind = behind;
            run.push_back(place);
        };
        bool passed = false;
        for (const SatelliteTracks::Point &point :
             tracks.track(now.satellite->elements.catalogNumber)) {
            if (!passed && point.unixSeconds > unixSeconds) {
                extend(now.place.subPoint, nowLight, true);
                passed = true;
            }
            if (std::isnan(point.place.latitude)) {
                flush();
                run.clear();
                continue;
            }
            extend(point.place, point.light, !passed);
        }
        flush();
    }
}

void SatelliteSymbols::draw(QImage &image, QPainter &painter, const MapFrame &frame, double scale,
                            std::span<const SatelliteNow> satellites, const TextStyle &style,
                            LabelPlacer &placer)
{
    const double radius = 3.5 * symbolScale(frame);
    if (style.font != m_font) {
        m_texts.clear();
        m_font = style.font;
    }
    std::vector<Symbol> symbols;
    for (const SatelliteNow &now : satellites) {
        if (const auto p = frame.toFrame(now.place.subPoint)) {
            const QPointF c(p->x, p->y);
            placer.reserve(QRectF(c.x() - 2.6 * radius, c.y() - radius, 5.2 * radius, 2 * radius));
            symbols.push_back({c, lightOf(now), now.satellite->name(), {}});
        }
    }
    const double mapWidth = frame.width();
    for (Symbol &symbol : symbols) {
        const QSizeF size = laidOut(symbol.name).size();
        const double reach = 2.6 * radius + 2.0;
        QRectF candidates[4];
        size_t count = 0;
        const QPointF c = symbol.centre;
        const double right = c.x() + reach, left = c.x() - reach - size.width();
        const double middle = c.y() - size.height() / 2;
        for (const auto &[x, y] : {std::pair{right, middle},
                                   {left, middle},
                                   {c.x() - size.width() / 2, middle - radius - size.height()},
                                   {c.x() - size.width() / 2, middle + radius + size.height()}}) {
            if (x >= 0 && x + size.width() <= mapWidth && y >= 0 &&
                y + size.height() <= frame.height())
                candidates[count++] = QRectF(x - 1, y, size.width() + 2, size.height());
        }
        symbol.box = placer.place({candidates, count});
    }
    // The same symbols and names as last time: kept as the pixels they cover
    // from the second time on.
    if (frame == m_frame && symbols == m_symbols) {
        if (!m_kept) {
            m_kept.emplace();
            m_kept->paint([this, radius, symbols = m_symbols](QPainter &keptPainter) {
                paint(keptPainter, symbols, radius);
            });
        }
        m_kept->replay(image, painter, scale);
        return;
    }
    m_frame = frame;
    m_symbols = std::move(symbols);
    m_kept.reset();
    paint(painter, m_symbols, radius);
    // Names no longer shown are let go.
    if (m_texts.size() > 2 * m_symbols.size() + 16)
        m_texts.clear();
}

const QStaticText &SatelliteSymbols::laidOut(const QString &name)
{
    auto [it, added] = m_texts.try_emplace(name, name);
    if (added) {
        it->second.setTextFormat(Qt::PlainText);
        it->second.prepare(QTransform(), m_font);
    }
    return it->second;
}

void SatelliteSymbols::paint(QPainter &painter, std::span<const Symbol> symbols, double radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // A body with two panels, rimmed in dark to stand out on land and sea;
    // filled rather than stroked, which costs QPainter a fraction as much.
    const QColor rim(20, 20, 24);
    for (const Symbol &symbol : symbols) {
        const QPointF c = symbol.centre;
        const QColor colour = satelliteColour(symbol.light);
        for (const double left : {-2.6, 1.0}) {
            const QRectF panel(c.x() + left * radius, c.y() - 0.45 * radius, 1.6 * radius,
                               0.9 * radius);
            painter.fillRect(panel.adjusted(-0.5, -0.5, 0.5, 0.5), rim);
            painter.fillRect(panel.adjusted(0.5, 0.5, -0.5, -0.5), colour);
        }
        painter.setBrush(rim);
        painter.drawEllipse(c, radius + 0.5, radius + 0.5);
        painter.setBrush(colour);
        painter.drawEllipse(c, radius - 0.5, radius - 0.5);
    }
    painter.setFont(m_font);
    for (const Symbol &symbol : symbols) {
        if (!symbol.box)
            continue;
        painter.fillRect(*symbol.box, labelBoxColour());
        painter.setPen(satelliteColour(symbol.light));
        const QStaticText &text = laidOut(symbol.name);
        painter.drawStaticText(symbol.box->center() -
                                   QPointF(text.size().width() / 2, text.size().height() / 2),
                               text);
    }
    painter.restore();
}
