#include "render/MapImages.h"

#include "platform/Log.h"
#include "platform/Resources.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <future>
#include <new>
#include <system_error>

namespace {
// Stand-ins for a missing image: a dark ocean blue by day, black by night.
constexpr QRgb kMissingDayColour = qRgb(16, 40, 72);
constexpr QRgb kMissingNightColour = qRgb(0, 0, 0);

QString pairName(QSize pixels, const char *kind)
{
    const char *size = pixels == QSize(kSmallPreset.mapWidth, kSmallPreset.mapHeight)   ? "720"
                       : pixels == QSize(kLargePreset.mapWidth, kLargePreset.mapHeight) ? "1440"
                                                                                        : "2048";
    return QLatin1String(kind) + QLatin1String(size);
}
} // namespace

MapImages::MapImages(const Resources &resources) : m_resources(resources) {}

void MapImages::setCustomDayImage(const QImage &image)
{
    m_customDay = image;
    m_worldSources[0] = {};
    ++m_generation;
    m_dayPlacement = {};
    m_day = {};
}

void MapImages::setCustomNightImage(const QImage &image)
{
    m_customNight = image;
    m_worldSources[1] = {};
    ++m_generation;
    m_nightPlacement = {};
    m_night = {};
}

void MapImages::release()
{
    m_dayPlacement = m_nightPlacement = {};
    m_day = {};
    m_night = {};
    m_night.shrink_to_fit();
    m_worldSources[0] = m_worldSources[1] = {};
}

QImage MapImages::decodeWorldSource(bool night) const
{
    const QImage &custom = night ? m_customNight : m_customDay;
    QImage source = custom.isNull() ? m_resources.imageNamed(night ? QStringLiteral("NightMap2048")
                                                                   : QStringLiteral("EarthMap2048"))
                                    : custom;
    if (source.isNull()) {
        source = QImage(2, 1, QImage::Format_RGB32);
        source.fill(night ? kMissingNightColour : kMissingDayColour);
    }
    return source.convertToFormat(QImage::Format_RGB32);
}

const QImage &MapImages::worldSource(bool night)
{
    QImage &kept = m_worldSources[night ? 1 : 0];
    if (!kept.isNull())
        return kept;
    // Whoever samples one samples the other: while this thread decodes one,
    // another decodes the other, which halves a snapshot's wait for them.
    QImage &other = m_worldSources[night ? 0 : 1];
    std::future<QImage> otherSource;
    if (other.isNull()) {
        try {
            otherSource =
                std::async(std::launch::async, [this, night] { return decodeWorldSource(!night); });
        } catch (const std::system_error &) {
            // No thread to be had: the other is decoded when it is asked for.
        }
    }
    kept = decodeWorldSource(night);
    if (otherSource.valid())
        other = otherSource.get();
    return kept;
}

void MapImages::keepSources(bool keep)
{
    m_keepSources = keep;
    if (!keep)
        m_daySource = m_nightSource = {};
}

QString MapImages::dayImageName(QSize pixels)
{
    return pairName(pixels, "EarthMap");
}

QString MapImages::nightImageName(QSize pixels)
{
    return pairName(pixels, "NightMap");
}

MapImages::Placement MapImages::placementFor(const MapGeometry &geometry, const QString &name)
{
    Placement placement{name, std::max(geometry.mapWidth, 0), std::max(geometry.mapHeight, 0)};
    // The world spans 180 degrees of latitude about the equator; its top row
    // falls where the north pole does, counted down from the map's top.
    const double worldHeight = 180.0 * double(geometry.pixelsPerDegree);
    const double top = double(geometry.mapHeight) - (double(geometry.equatorialOffset) +
                                                     90.0 * double(geometry.pixelsPerDegree));
    if (std::isfinite(worldHeight) && std::isfinite(top) && worldHeight > 0.0 &&
        worldHeight <= 1e6 && std::fabs(top) <= 1e6) {
        placement.worldHeight = std::max(1, int(std::lround(worldHeight)));
        placement.top = int(std::lround(top));
    }
    return placement;
}

QImage MapImages::world(const Placement &placement, bool night, QImage::Format format)
{
    const int width = placement.width, height = placement.worldHeight;
    const QImage &custom = night ? m_customNight : m_customDay;
    Source &kept = night ? m_nightSource : m_daySource;
    QImage source = custom;
    if (source.isNull() && m_keepSources && kept.name == placement.name)
        source = kept.image;
    if (source.isNull()) {
        // The built-in pair's name warns once itself when missing or undecodable.
        source = m_resources.imageNamed(placement.name);
        if (m_keepSources)
            kept = {placement.name, source};
    }
    if (source.isNull()) {
        QImage standIn(width, height, format);
        standIn.fill(night ? kMissingNightColour : kMissingDayColour);
        return standIn;
    }
    source = source.convertToFormat(format);
    if (source.size() == QSize(width, height))
        return source;
    if (custom.isNull() && !placement.name.endsWith(QLatin1String("2048")))
        logWarningOnce(
            QStringLiteral("%1 image %2 is %3x%4, scaled to the map's %5x%6")
                .arg(night ? QStringLiteral("Night") : QStringLiteral("Day"), placement.name)
                .arg(source.width())
                .arg(source.height())
                .arg(width)
                .arg(height));
    // Null where memory runs short; the caller gives up on the map.
    return source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(format);
}

const QImage &MapImages::dayImage(const MapGeometry &geometry)
{
    const Placement placement =
        placementFor(geometry, dayImageName({geometry.mapWidth, geometry.mapHeight}));
    if (placement == m_dayPlacement)
        return m_day;
    m_dayPlacement = placement;
    m_day = {};
    if (placement.width == 0 || placement.height == 0 || placement.worldHeight == 0)
        return m_day;
    QImage world = this->world(placement, false, QImage::Format_RGB32);
    if (world.isNull() || (placement.top == 0 && placement.worldHeight == placement.height)) {
        m_day = std::move(world);
        return m_day;
    }
    m_day = QImage(placement.width, placement.height, QImage::Format_RGB32);
    if (m_day.isNull())
        return m_day;
    m_day.fill(Qt::black);
    for (int row = std::max(0, placement.top);
         row < std::min(placement.height, placement.top + placement.worldHeight); ++row)
        std::memcpy(m_day.scanLine(row), world.constScanLine(row - placement.top),
                    size_t(placement.width) * 4);
    return m_day;
}

std::span<const uint8_t> MapImages::nightSamples(const MapGeometry &geometry)
{
    const Placement placement =
        placementFor(geometry, nightImageName({geometry.mapWidth, geometry.mapHeight}));
    if (placement == m_nightPlacement)
        return m_night;
    m_nightPlacement = placement;
    m_night.clear();
    if (placement.width == 0 || placement.height == 0 || placement.worldHeight == 0)
        return m_night;
    const QImage world = this->world(placement, true, QImage::Format_RGB888);
    // Rows back to back, with no padding between them; black beyond the poles.
    // Empty where memory runs short.
    const size_t rowBytes = size_t(placement.width) * 3;
    try {
        if (!world.isNull())
            m_night.assign(rowBytes * size_t(placement.height), 0);
    } catch (const std::bad_alloc &) {
    }
    if (m_night.empty())
        return m_night;
    for (int row = std::max(0, placement.top);
         row < std::min(placement.height, placement.top + placement.worldHeight); ++row)
        std::memcpy(m_night.data() + rowBytes * size_t(row),
                    world.constScanLine(row - placement.top), rowBytes);
    return m_night;
}
