#pragma once

#include "astro/GeoPoint.h"
#include "mapcore/MapFrame.h"
#include "mapcore/NightOverlay.h"
#include "mapcore/ViewShading.h"
#include "model/MapLayer.h"
#include "render/LabelPlacer.h"
#include "render/LayerPlan.h"
#include "render/MapImages.h"
#include "render/SatelliteLayers.h"
#include "render/WeatherLayers.h"

#include <QImage>

#include <QSize>
#include <functional>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class MapModel;
class QDateTime;
class QPainter;
class Resources;

/// Where the map of a model puts each place in a frame of the given size in
/// points: the one answer for the layers, the pointer and the menus.
MapFrame mapFrameFor(const MapModel &model, QSizeF size);

/// Paints the map that a model describes, at any size and device pixel ratio,
/// into an image of its own: the window, the snapshot, the export and the
/// benchmarks all draw through it. Keeps decoded images, scratch memory and
/// what layers drew at the same instant and frame between frames, never a
/// whole frame.
class FrameRenderer
{
public:
    explicit FrameRenderer(const Resources &resources);

    MapImages &images() { return m_images; }

    /// Frees the frame and the prepared images until the next redraw: for
    /// modes that draw once in many minutes.
    void releaseMemory();

    /// The model's map at its shown instant, for a map of \a size points at
    /// \a ratio device pixels a point. Valid until the next call; null
    /// when memory runs short for a map of that size.
    const QImage &render(const MapModel &model, QSize size, qreal ratio = 1.0);
    /// The same at another instant than the model's: frames of a time-lapse
    /// render one model in several threads, each with its own renderer.
    const QImage &render(const MapModel &model, QSize size, qreal ratio, const QDateTime &instant);

    /// The last frame's labels of pins and lines as placed, and what they
    /// were kept off, in the layers' points.
    const LabelPlacer &labels() const { return m_labels; }

    /// The labels' size over their own: 2 where the desktop's text is twice
    /// the default size, for a window that follows it. 1 by default.
    void setTextScale(double scale);

private:
    /// Day and night on the classic map, composed straight into the frame;
    /// afterRows, when given, is called with each row once composed.
    bool composeMap(QSize pixels, const UtcFields &instant,
                    const std::function<void(int32_t first, int32_t end)> &afterRows);
    /// Day and night in any other view, from the view's prepared pixels;
    /// afterRows, when given, is called with each band of rows once shaded.
    bool composeView(const MapModel &model, QSize pixels, const UtcFields &instant,
                     const std::function<void(int32_t first, int32_t end)> &afterRows);
    /// The layers drawn pixel by pixel, straight over day and night, that
    /// have something to draw.
    std::vector<std::unique_ptr<PixelLayer>>
    pixelLayers(const MapModel &model, QSize pixels, const QDateTime &shownInstant,
                const std::vector<SatelliteNow> &satellites);
    /// The layers over day and night, in the layers' points.
    void drawLayers(const MapModel &model, QPainter &painter, const MapFrame &frame, double scale,
                    const QDateTime &shownInstant, const UtcFields &instant,
                    const std::vector<SatelliteNow> &satellites);

    /// A layer that stays the same from frame to frame while the map's frame
    /// and what it shows stay: planned once, replayed onto each frame.
    struct LastingLayer
    {
        MapFrame frame;
        std::vector<GeoPoint> shows;
        std::optional<LayerPlan> plan;
    };
    /// Replays a lasting layer, planning it again first when it shows
    /// something else or the frame has changed; while the centre is moving,
    /// plans and paints it for this frame alone.
    template <typename Plan>
    void replayLasting(MapLayer layer, QPainter &painter, const MapFrame &frame, double scale,
                       bool moving, std::span<const GeoPoint> shows, Plan &&plan);

    MapImages m_images;
    /// The view's rim as last worked out, for the frame it was worked out for.
    MapFrame m_rimFrame;
    std::vector<FrameLine> m_rim;
    std::array<LastingLayer, kMapLayerCount> m_lasting;
    LabelPlacer m_labels;
    QImage m_frame;
    ViewPixels m_viewPixels;
    SatelliteTracks m_satelliteTracks;
    SatelliteTrackLines m_satelliteTrackLines;
    SatelliteSymbols m_satelliteSymbols;
    /// The clouds' and the aurora's samples at each pixel of the last frame.
    WeatherSamples m_weather;
    PixelLayerPass m_pixelLayers;
    double m_textScale = 1.0;
    /// The texts' styles at that scale, made once rather than for each frame.
    TextStyle m_smallStyle = smallTextStyle();
    TextStyle m_labelStyle = labelTextStyle();
    TextStyle m_placeStyle = placeTextStyle();
};
