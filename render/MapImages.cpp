#include "render/MapImages.h"

#include "platform/Log.h"
#include "platform/Resources.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr float kLargePairMinWidth = 721.0f;
// Stand-ins for a missing image: a dark ocean blue by day, black by night.
constexpr QRgb kMissingDayColour = qRgb(16, 40, 72);
constexpr QRgb kMissingNightColour = qRgb(0, 0, 0);
} // namespace

MapImages::MapImages(const Resources &resources) : m_resources(resources) {}

void MapImages::setCustomDayImage(const QImage &image)
{
    m_customDay = image;
    m_day = {};
}

void MapImages::setCustomNightImage(const QImage &image)
{
    m_customNight = image;
    m_night = {};
}

QString MapImages::dayImageName(float boundsWidth)
{
    return boundsWidth < kLargePairMinWidth ? QStringLiteral("EarthMap720")
                                            : QStringLiteral("EarthMap1440");
}

QString MapImages::nightImageName(float boundsWidth)
{
    return boundsWidth < kLargePairMinWidth ? QStringLiteral("NightMap720")
                                            : QStringLiteral("NightMap1440");
}

QImage MapImages::loadSource(const QString &name, bool night)
{
    const QImage &custom = night ? m_customNight : m_customDay;
    if (!custom.isNull())
        return custom;
    return m_resources.imageNamed(name); // warns once itself when missing or undecodable
}

QImage MapImages::fitted(const QImage &image, int width, int height, QImage::Format format)
{
    QImage converted = image.convertToFormat(format);
    if (converted.width() != width || converted.height() != height) {
        converted = converted.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(format);
    }
    return converted;
}

QImage MapImages::prepare(const QString &name, bool night, int width, int height,
                          QImage::Format format)
{
    const QImage source = loadSource(name, night);
    if (source.isNull()) {
        QImage standIn(width, height, format);
        standIn.fill(night ? kMissingNightColour : kMissingDayColour);
        return standIn;
    }
    if (source.width() != width || source.height() != height)
        logWarningOnce(QStringLiteral("%1 image %2 is %3x%4, scaled to the map's %5x%6")
                           .arg(night ? QStringLiteral("Night") : QStringLiteral("Day"), name)
                           .arg(source.width())
                           .arg(source.height())
                           .arg(width)
                           .arg(height));
    return fitted(source, width, height, format);
}

const QImage &MapImages::dayImage(float boundsWidth, const MapGeometry &geometry)
{
    const QString name = dayImageName(boundsWidth);
    const int width = std::max(geometry.mapWidth, 0);
    const int height = std::max(geometry.mapHeight, 0);
    if (m_day.name == name && m_day.width == width && m_day.height == height)
        return m_day.day;

    m_day = {name, width, height, {}, {}};
    if (width > 0 && height > 0)
        m_day.day = prepare(name, false, width, height, QImage::Format_RGB32);
    return m_day.day;
}

std::span<const uint8_t> MapImages::nightSamples(float boundsWidth, const MapGeometry &geometry)
{
    const QString name = nightImageName(boundsWidth);
    const int width = std::max(geometry.mapWidth, 0);
    const int height = std::max(geometry.mapHeight, 0);
    if (m_night.name == name && m_night.width == width && m_night.height == height)
        return m_night.night;

    m_night = {name, width, height, {}, {}};
    if (width == 0 || height == 0)
        return m_night.night;
    const QImage image = prepare(name, true, width, height, QImage::Format_RGB888);
    // Rows back to back, with no padding between them.
    const size_t rowBytes = size_t(width) * 3;
    m_night.night.resize(rowBytes * size_t(height));
    for (int row = 0; row < height; ++row)
        std::memcpy(m_night.night.data() + rowBytes * size_t(row), image.constScanLine(row),
                    rowBytes);
    return m_night.night;
}
