#pragma once

// The clouds and the aurora, drawn pixel by pixel at each pixel's place in
// every view, and their ages in the map's corner.

#include "astro/Sphere.h"
#include "mapcore/MapProjection.h"
#include "model/WeatherTexts.h"
#include "render/MapPainting.h"
#include "render/PixelLayer.h"
#include "weather/AuroraForecast.h"
#include "weather/CloudMap.h"

#include <QSize>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class LabelPlacer;
class MapModel;
class QDateTime;
class QPainter;

/// What a grid shows at each pixel of a frame, two bytes a pixel, sampled
/// row by row as the frame is first drawn and kept while the view, its size
/// and the grid stay: sampling a grid at every pixel costs more than shading
/// day and night, and only the Sun moves from frame to frame.
class SampledPixels
{
public:
    /// The frame a sample belongs to.
    using Frame = PixelFrame;
    static Frame frameOf(const MapModel &model, QSize pixels);

    /// Keeps the samples when they are of this frame and grid, else clears
    /// them for sampling again.
    /// Whether they were cleared.
    bool prepare(const Frame &frame, std::shared_ptr<const void> grid, float parameter);
    /// A row's two planes, and whether it has been sampled; a row is drawn
    /// by one thread at a time.
    uint8_t *first(int32_t row) { return m_first.data() + size_t(row) * size_t(m_width); }
    uint8_t *second(int32_t row) { return m_second.data() + size_t(row) * size_t(m_width); }
    /// The grid being sampled.
    const std::shared_ptr<const void> &grid() const { return m_grid; }
    bool sampled(int32_t row) const { return m_sampled[size_t(row)] != 0; }
    void setSampled(int32_t row) { m_sampled[size_t(row)] = 1; }

private:
    Frame m_frame;
    std::shared_ptr<const void> m_grid; // held, so that another is never taken for it
    float m_parameter = 0.0f;
    int32_t m_width = 0;
    std::vector<uint8_t> m_first, m_second, m_sampled;
};

/// A cloud map's look as tables, worked out once for a look rather than at
/// every frame: a lookup for each pixel rather than the arithmetic.
struct CloudTables
{
    /// The colours by light, in kLightSteps steps, and opacity in 255ths.
    static constexpr int kLightSteps = 64;
    CloudTables();
    /// Makes the opacities those of `look`, unless they are already.
    void prepare(const weather::CloudLook &look);

    /// Each whole grey's opacity: one pow() for each grey, not for each pixel.
    std::array<float, 256> opacity{};
    std::vector<uint32_t> colours;

private:
    std::optional<weather::CloudLook> m_look;
};

/// The samples of both layers and what they are drawn with, kept by the
/// renderer between frames.
struct WeatherSamples
{
    SampledPixels clouds;
    SampledPixels aurora;
    CloudTables cloudTables;
    /// Nearer the equator than this sine of the latitude, the aurora's
    /// forecast reaches nowhere its threshold: kept with its samples.
    float auroraLowestSin = 0.0f;
};

/// The cloud map over day and night: lit white by day, dim blue-grey by night.
class CloudLayer : public PixelLayer
{
public:
    /// `map` and `samples`, prepared for it, must outlive the layer; `sun` is
    /// the unit vector towards the point under the Sun.
    CloudLayer(const weather::CloudMap &map, const CloudTables &tables, const sphere::Vector &sun,
               SampledPixels &samples);
    void drawRow(const PixelRow &places, uint32_t *pixels) const override;
    void addKey(PixelLayerKey &key) const override;

private:
    const weather::CloudMap &m_map;
    const CloudTables &m_tables;
    SampledPixels &m_samples;
    float m_sun[3];
};

/// The aurora forecast over the night side, from the threshold up, with its
/// contour at the threshold.
class AuroraLayer : public PixelLayer
{
public:
    /// Likewise for `forecast` and `samples`.
    /// Nothing is drawn nearer the equator than `lowestSin`.
    AuroraLayer(const weather::AuroraForecast &forecast, float threshold, float lowestSin,
                const sphere::Vector &sun, SampledPixels &samples);
    void drawRow(const PixelRow &places, uint32_t *pixels) const override;
    void addKey(PixelLayerKey &key) const override;

    /// The contour's width in pixels.
    static constexpr float kContourWidthPx = 1.5f;
    /// The forecast's values kept in a byte: steps of 0.4.
    static constexpr float kValueSteps = 2.5f;

private:
    const weather::AuroraForecast &m_forecast;
    SampledPixels &m_samples;
    float m_threshold;
    float m_sun[3];
    /// Nearer the equator than this sine of the latitude, nothing reaches
    /// the threshold: most pixels of a frame are passed over at once.
    float m_lowestSin;
};

/// The model's clouds and aurora at the instant as layers for a frame of
/// `pixels`; none where a layer is hidden or has nothing to draw. Valid while
/// the model's files and the samples stay.
std::unique_ptr<PixelLayer> cloudLayerFor(const MapModel &model, const QDateTime &instant,
                                          QSize pixels, WeatherSamples &samples);
std::unique_ptr<PixelLayer> auroraLayerFor(const MapModel &model, const QDateTime &instant,
                                           QSize pixels, WeatherSamples &samples);

/// The ages, one line each, in the frame's bottom-left corner on the labels'
/// box; a stale one in amber. Reserves their place among the labels.
void drawWeatherAges(QPainter &painter, std::span<const WeatherAge> ages, double frameHeight,
                     const TextStyle &style, LabelPlacer &labels);
