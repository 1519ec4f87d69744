#include "render/WeatherLayers.h"

#include "astro/SkyPositions.h"
#include "model/MapModel.h"
#include "model/SkyTexts.h"
#include "render/LabelPlacer.h"
#include "render/RasterBlend.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

CloudLayer::CloudLayer(const weather::CloudMap &map, const weather::CloudLook &look,
                       const sphere::Vector &sun)
    : m_map(map), m_sun{float(sun[0]), float(sun[1]), float(sun[2])}
{
    for (size_t grey = 0; grey < m_opacity.size(); ++grey)
        m_opacity[grey] = weather::cloudOpacity(look, float(grey));
}

void CloudLayer::drawRow(const PixelRow &places, uint32_t *pixels) const
{
    for (int32_t column = 0; column < places.width; ++column) {
        if (!places.shows(column))
            continue;
        const float x = places.x[column], y = places.y[column], z = places.z[column];
        const float grey = weather::cloudGreyAt(m_map, x, y, z);
        const float opacity = m_opacity[size_t(grey + 0.5f)];
        if (opacity <= 0.0f)
            continue;
        const float sunSin = x * m_sun[0] + y * m_sun[1] + z * m_sun[2];
        pixels[column] = blendOver(pixels[column], weather::cloudColour(opacity, sunSin));
    }
}

AuroraLayer::AuroraLayer(const weather::AuroraForecast &forecast, float threshold,
                         const sphere::Vector &sun)
    : m_forecast(forecast),
      m_threshold(threshold), m_sun{float(sun[0]), float(sun[1]), float(sun[2])},
      // A degree more for the contour, drawn just outside the threshold too.
      m_lowestSin(
          float(std::sin(std::max(0.0, weather::lowestLatitudeReaching(forecast, threshold) - 1.0) *
                         sphere::kDegToRad)))
{}

void AuroraLayer::drawRow(const PixelRow &places, uint32_t *pixels) const
{
    constexpr float kRadToDeg = float(sphere::kRadToDeg);
    for (int32_t column = 0; column < places.width; ++column) {
        const float x = places.x[column], y = places.y[column], z = places.z[column];
        if (std::fabs(z) < m_lowestSin || !places.shows(column))
            continue;
        const float darkness = weather::auroraDarkness(x * m_sun[0] + y * m_sun[1] + z * m_sun[2]);
        if (darkness <= 0.0f)
            continue;
        const weather::AuroraSample sample = weather::auroraSampleAt(m_forecast, x, y, z);
        if (sample.value > m_threshold)
            pixels[column] = blendOver(pixels[column],
                                       weather::auroraColour(sample.value, m_threshold, darkness));
        // The contour: where the threshold lies within half its width, by the
        // forecast's slope here and the angle a pixel spans, taken from its
        // neighbour in the row, so that it is as wide in every view.
        const int32_t next = column + 1 < places.width ? column + 1 : column - 1;
        const float slope = std::hypot(sample.perDegreeEast, sample.perDegreeNorth);
        if (next < 0 || !places.shows(next) || slope <= 0.0f)
            continue;
        const float dx = places.x[next] - x, dy = places.y[next] - y, dz = places.z[next] - z;
        const float pixelDeg = std::sqrt(dx * dx + dy * dy + dz * dz) * kRadToDeg;
        const float distancePx = std::fabs(sample.value - m_threshold) / slope / pixelDeg;
        const float cover = std::clamp(0.5f * kContourWidthPx + 0.5f - distancePx, 0.0f, 1.0f);
        if (cover > 0.0f)
            pixels[column] =
                blendOver(pixels[column], byteMul(weather::auroraContourColour(darkness),
                                                  uint32_t(cover * 255.0f + 0.5f)));
    }
}

namespace {
sphere::Vector sunAt(const QDateTime &instant)
{
    return sphere::unitVector(astro::subsolarPoint(utcInstant(instant)));
}
} // namespace

std::unique_ptr<PixelLayer> cloudLayerFor(const MapModel &model, const QDateTime &instant)
{
    if (!model.clouds() || !model.isLayerShown(MapLayer::Clouds))
        return nullptr;
    return std::make_unique<CloudLayer>(*model.clouds(), weather::CloudLook{}, sunAt(instant));
}

std::unique_ptr<PixelLayer> auroraLayerFor(const MapModel &model, const QDateTime &instant)
{
    if (!model.aurora() || !model.isLayerShown(MapLayer::Aurora))
        return nullptr;
    return std::make_unique<AuroraLayer>(*model.aurora(), float(weather::kDefaultAuroraThreshold),
                                         sunAt(instant));
}

void drawWeatherAges(QPainter &painter, std::span<const WeatherAge> ages, double frameHeight,
                     const TextStyle &style, LabelPlacer &labels)
{
    const ViewCoordinates view(frameHeight);
    const double margin = 3.0;
    double y = margin;
    // From the bottom up, the first line lowest.
    for (auto age = ages.rbegin(); age != ages.rend(); ++age) {
        const QSizeF size = ViewCoordinates::textSize(age->text, style.font);
        const QRectF box =
            view.rect(margin - 2.0, y - 1.0, size.width() + 4.0, size.height() + 2.0);
        painter.fillRect(box, labelBoxColour());
        // Amber: still drawn, but old enough to doubt.
        const TextStyle shown{style.font, age->stale ? QColor(255, 190, 60) : style.color};
        view.drawText(painter, margin, y, age->text, shown);
        labels.reserve(box);
        y += size.height() + 3.0;
    }
}
