#pragma once

// The clouds and the aurora, drawn pixel by pixel at each pixel's place in
// every view, and their ages in the map's corner.

#include "astro/Sphere.h"
#include "model/WeatherTexts.h"
#include "render/MapPainting.h"
#include "render/PixelLayer.h"
#include "weather/AuroraForecast.h"
#include "weather/CloudMap.h"

#include <array>
#include <memory>
#include <span>

class LabelPlacer;
class MapModel;
class QDateTime;
class QPainter;

/// The cloud map over day and night: lit white by day, dim blue-grey by night.
class CloudLayer : public PixelLayer
{
public:
    /// `map` must outlive the layer; `sun` is the unit vector towards the
    /// point under the Sun.
    CloudLayer(const weather::CloudMap &map, const weather::CloudLook &look,
               const sphere::Vector &sun);
    void drawRow(const PixelRow &places, uint32_t *pixels) const override;

private:
    const weather::CloudMap &m_map;
    /// Each whole grey's opacity: one pow() for each grey, not for each pixel.
    std::array<float, 256> m_opacity{};
    float m_sun[3];
};

/// The aurora forecast over the night side, from the threshold up, with its
/// contour at the threshold.
class AuroraLayer : public PixelLayer
{
public:
    /// `forecast` must outlive the layer.
    AuroraLayer(const weather::AuroraForecast &forecast, float threshold,
                const sphere::Vector &sun);
    void drawRow(const PixelRow &places, uint32_t *pixels) const override;

    /// The contour's width in pixels.
    static constexpr float kContourWidthPx = 1.5f;

private:
    const weather::AuroraForecast &m_forecast;
    float m_threshold;
    float m_sun[3];
    /// Nearer the equator than this sine of the latitude, nothing reaches
    /// the threshold: most pixels of a frame are passed over at once.
    float m_lowestSin;
};

/// The model's clouds and aurora at the instant as layers; none where a layer
/// is hidden or has nothing to draw. Valid while the model's files stay.
std::unique_ptr<PixelLayer> cloudLayerFor(const MapModel &model, const QDateTime &instant);
std::unique_ptr<PixelLayer> auroraLayerFor(const MapModel &model, const QDateTime &instant);

/// The ages, one line each, in the frame's bottom-left corner on the labels'
/// box; a stale one in amber. Reserves their place among the labels.
void drawWeatherAges(QPainter &painter, std::span<const WeatherAge> ages, double frameHeight,
                     const TextStyle &style, LabelPlacer &labels);
