#include "render/WeatherLayers.h"

#include "astro/SkyPositions.h"
#include "model/MapModel.h"
#include "model/SkyTexts.h"
#include "render/LabelPlacer.h"
#include "render/RasterBlend.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

SampledPixels::Frame SampledPixels::frameOf(const MapModel &model, QSize pixels)
{
    if (model.isClassicView())
        return {true, MapView::PlateCarree, {}, MapFit::Contain, pixels};
    return {false, model.view(), model.viewCentre(), model.fit(), pixels};
}

bool SampledPixels::prepare(const Frame &frame, std::shared_ptr<const void> grid, float parameter)
{
    if (frame == m_frame && grid == m_grid && parameter == m_parameter)
        return false;
    m_frame = frame;
    m_grid = std::move(grid);
    m_parameter = parameter;
    m_width = frame.pixels.width();
    const size_t size = size_t(m_width) * size_t(frame.pixels.height());
    m_first.assign(size, 0);
    m_second.assign(size, 0);
    m_sampled.assign(size_t(frame.pixels.height()), 0);
    return true;
}

CloudTables::CloudTables() : colours(size_t(kLightSteps + 1) * 256)
{
    for (int light = 0; light <= kLightSteps; ++light)
        for (int opacity = 0; opacity < 256; ++opacity)
            colours[size_t(light) * 256 + size_t(opacity)] =
                weather::cloudColour(float(opacity) / 255.0f, float(light) / float(kLightSteps));
}

void CloudTables::prepare(const weather::CloudLook &look)
{
    if (m_look && m_look->gamma == look.gamma && m_look->threshold == look.threshold)
        return;
    m_look = look;
    for (size_t grey = 0; grey < opacity.size(); ++grey)
        opacity[grey] = weather::cloudOpacity(look, float(grey));
}

CloudLayer::CloudLayer(const weather::CloudMap &map, const CloudTables &tables,
                       const sphere::Vector &sun, SampledPixels &samples)
    : m_map(map), m_tables(tables),
      m_samples(samples), m_sun{float(sun[0]), float(sun[1]), float(sun[2])}
{}

void CloudLayer::drawRow(const PixelRow &places, uint32_t *pixels) const
{
    uint8_t *opacity = m_samples.first(places.row);
    if (!m_samples.sampled(places.row)) {
        for (int32_t column = 0; column < places.width; ++column) {
            const float grey = places.shows(column)
                                   ? weather::cloudGreyAt(m_map, places.x[column], places.y[column],
                                                          places.z[column])
                                   : 0.0f;
            opacity[column] = uint8_t(m_tables.opacity[size_t(grey + 0.5f)] * 255.0f + 0.5f);
        }
        m_samples.setSampled(places.row);
    }
    for (int32_t column = 0; column < places.width; ++column) {
        if (opacity[column] == 0)
            continue;
        const float sunSin =
            places.x[column] * m_sun[0] + places.y[column] * m_sun[1] + places.z[column] * m_sun[2];
        const auto light =
            size_t(weather::cloudLight(sunSin) * float(CloudTables::kLightSteps) + 0.5f);
        pixels[column] = blendOver(pixels[column], m_tables.colours[light * 256 + opacity[column]]);
    }
}

AuroraLayer::AuroraLayer(const weather::AuroraForecast &forecast, float threshold, float lowestSin,
                         const sphere::Vector &sun, SampledPixels &samples)
    : m_forecast(forecast), m_samples(samples),
      m_threshold(threshold), m_sun{float(sun[0]), float(sun[1]), float(sun[2])},
      m_lowestSin(lowestSin)
{}

void AuroraLayer::drawRow(const PixelRow &places, uint32_t *pixels) const
{
    constexpr float kRadToDeg = float(sphere::kRadToDeg);
    // The value over the threshold (0 for none) and the contour's cover.
    uint8_t *value = m_samples.first(places.row);
    uint8_t *contour = m_samples.second(places.row);
    if (!m_samples.sampled(places.row)) {
        for (int32_t column = 0; column < places.width; ++column) {
            const float x = places.x[column], y = places.y[column], z = places.z[column];
            if (std::fabs(z) < m_lowestSin || !places.shows(column))
                continue;
            const weather::AuroraSample sample = weather::auroraSampleAt(m_forecast, x, y, z);
            if (sample.value > m_threshold)
                value[column] = uint8_t(std::max(1.0f, sample.value * kValueSteps + 0.5f));
            // The contour: where the threshold lies within half its width, by
            // the forecast's slope here and the angle a pixel spans, taken
            // from its neighbour in the row, so that it is as wide in every view.
            const int32_t next = column + 1 < places.width ? column + 1 : column - 1;
            const float slope = std::sqrt(sample.perDegreeEast * sample.perDegreeEast +
                                          sample.perDegreeNorth * sample.perDegreeNorth);
            if (next < 0 || !places.shows(next) || slope <= 0.0f)
                continue;
            const float dx = places.x[next] - x, dy = places.y[next] - y, dz = places.z[next] - z;
            const float pixelDeg = std::sqrt(dx * dx + dy * dy + dz * dz) * kRadToDeg;
            const float distancePx = std::fabs(sample.value - m_threshold) / slope / pixelDeg;
            const float cover = std::clamp(0.5f * kContourWidthPx + 0.5f - distancePx, 0.0f, 1.0f);
            contour[column] = uint8_t(cover * 255.0f + 0.5f);
        }
        m_samples.setSampled(places.row);
    }
    for (int32_t column = 0; column < places.width; ++column) {
        if (value[column] == 0 && contour[column] == 0)
            continue;
        const float darkness =
            weather::auroraDarkness(places.x[column] * m_sun[0] + places.y[column] * m_sun[1] +
                                    places.z[column] * m_sun[2]);
        if (darkness <= 0.0f)
            continue;
        if (value[column] != 0)
            pixels[column] =
                blendOver(pixels[column], weather::auroraColour(float(value[column]) / kValueSteps,
                                                                m_threshold, darkness));
        if (contour[column] != 0)
            pixels[column] = blendOver(
                pixels[column], byteMul(weather::auroraContourColour(darkness), contour[column]));
    }
}

namespace {
sphere::Vector sunAt(const QDateTime &instant)
{
    return sphere::unitVector(astro::subsolarPoint(utcInstant(instant)));
}
} // namespace

void CloudLayer::addKey(PixelLayerKey &key) const
{
    key.data.push_back(m_samples.grid());
    key.numbers.insert(key.numbers.end(), std::begin(m_sun), std::end(m_sun));
    key.numbers.insert(key.numbers.end(), m_tables.opacity.begin(), m_tables.opacity.end());
}

void AuroraLayer::addKey(PixelLayerKey &key) const
{
    key.data.push_back(m_samples.grid());
    key.numbers.insert(key.numbers.end(), std::begin(m_sun), std::end(m_sun));
    key.numbers.push_back(m_threshold);
}

std::unique_ptr<PixelLayer> cloudLayerFor(const MapModel &model, const QDateTime &instant,
                                          QSize pixels, WeatherSamples &samples)
{
    if (!model.clouds() || !model.isLayerShown(MapLayer::Clouds))
        return nullptr;
    samples.clouds.prepare(SampledPixels::frameOf(model, pixels), model.clouds(), 0.0f);
    samples.cloudTables.prepare(weather::CloudLook{});
    return std::make_unique<CloudLayer>(*model.clouds(), samples.cloudTables, sunAt(instant),
                                        samples.clouds);
}

std::unique_ptr<PixelLayer> auroraLayerFor(const MapModel &model, const QDateTime &instant,
                                           QSize pixels, WeatherSamples &samples)
{
    if (!model.aurora() || !model.isLayerShown(MapLayer::Aurora))
        return nullptr;
    const auto threshold = float(weather::kDefaultAuroraThreshold);
    if (samples.aurora.prepare(SampledPixels::frameOf(model, pixels), model.aurora(), threshold)) {
        // A degree more for the contour, drawn just outside the threshold too.
        const double lowest = weather::lowestLatitudeReaching(*model.aurora(), threshold) - 1.0;
        samples.auroraLowestSin = float(std::sin(std::max(0.0, lowest) * sphere::kDegToRad));
    }
    return std::make_unique<AuroraLayer>(*model.aurora(), threshold, samples.auroraLowestSin,
                                         sunAt(instant), samples.aurora);
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
