#pragma once

#include "astro/GeoPoint.h"
#include "mapcore/MapGeometry.h"
#include "mapcore/ViewShading.h"
#include "render/LabelPlacer.h"
#include "render/LayerPlan.h"
#include "render/MapImages.h"
#include "render/SparseLayer.h"

#include <QImage>
#include <QSize>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class MapModel;
class Resources;

/// Paints the map that a model describes, at any size and device pixel ratio,
/// into an image of its own: the window, the snapshot, the export and the
/// benchmarks all draw through it. Keeps decoded images and scratch memory
/// between frames, never a result.
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
    /// were kept off, in the layers' coordinates (points on maps up to the
    /// large one).
    const LabelPlacer &labels() const { return m_labels; }

    /// The projection of the last frame in another view than the classic
    /// map, in the layers' points; for the window's pointer and menu.
    const MapProjection &viewProjection() const { return m_layerProjection; }

    /// The labels' size over their own: 2 where the desktop's text is twice
    /// the default size, for a window that follows it. 1 by default.
    void setTextScale(double scale);

    /// Bytes held for the views other than the classic map.
    std::size_t viewBytes() const { return m_viewPixels.bytes(); }

private:
    /// Day and night in a view other than the classic map, from the view's
    /// prepared pixels.
    bool composeView(const MapModel &model, QSize pixels, const UtcFields &instant);
    /// The layers of such a view that stay while the view stays, painted
    /// once, and the layers' projection.
    void prepareViewLayers(const MapModel &model, QSize size);
    /// The layers over such a view.
    void drawViewLayers(const MapModel &model, QSize size, const QDateTime &shownInstant,
                        const UtcFields &instant);
    /// What the layers painted once for a view depend on.
    struct StaticViewLayers
    {
        MapProjection projection; ///< in the layers' points
        QSize frame;
        qreal ratio = 0;
        bool grid = false, rings = false, squares = false, locator = false;
        std::optional<std::array<GeoPoint, 2>> paths; ///< home and target
        bool operator==(const StaticViewLayers &) const = default;
    };
    /// The classic map's layers that stay while its size, the places and the
    /// switches stay, painted once: the locator grid and the paths.
    void prepareMapLayers(const MapModel &model, const MapGeometry &geometry, double layerScale);
    /// Paints a lasting layer on a clear image of the frame's size and keeps
    /// what it covers; a layer with nothing to draw is only cleared.
    template <typename Paint> void recordLayer(SparseLayer &layer, bool drawn, Paint &&paint);
    struct StaticMapLayers
    {
        QSize frame;
        qreal ratio = 0;
        bool locator = false;
        std::optional<std::array<GeoPoint, 2>> paths;
        bool operator==(const StaticMapLayers &) const = default;
    };

    /// The grid's and the squares' plans, made when first drawn and again
    /// when the geometry or the places change.
    LayerPlan &gridPlan(const MapGeometry &geometry);
    LayerPlan &squaresPlan(const MapModel &model, const MapGeometry &geometry);

    MapImages m_images;
    std::optional<LayerPlan> m_gridPlan;
    MapGeometry m_gridGeometry;
    std::optional<LayerPlan> m_squaresPlan;
    MapGeometry m_squaresGeometry;
    std::vector<GeoPoint> m_squaresPlaces;
    LabelPlacer m_labels;
    QImage m_frame;
    ViewPixels m_viewPixels;
    int m_viewGeneration = -1;
    MapProjection m_layerProjection;
    StaticViewLayers m_staticViewLayers;
    SparseLayer m_viewUnder; ///< the grids and the rings
    SparseLayer m_viewOver;  ///< the paths and the squares
    StaticMapLayers m_staticMapLayers;
    SparseLayer m_mapLocatorGrid, m_mapPaths;
    QImage m_layerScratch; ///< where the lasting layers are painted, kept between them
    double m_textScale = 1.0;
    /// The texts' styles at that scale, made once rather than for each frame.
    TextStyle m_smallStyle = smallTextStyle();
    TextStyle m_labelStyle = labelTextStyle();
};
