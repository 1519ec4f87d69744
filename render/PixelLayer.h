#pragma once

// A layer drawn pixel by pixel at each pixel's place, over day and night and
// under the lines and symbols: for what covers an area of the Earth, such as
// an eclipse's shadow or a satellite's footprint, tested against its cone, cap
// or grid on the sphere, the same way in every view.

#include "astro/GeoPoint.h"
#include "mapcore/MapProjection.h"
#include "mapcore/PixelPlaces.h"
#include "render/SparseLayer.h"

#include <QSize>

#include <cstdint>
#include <memory>
#include <span>
#include <typeindex>
#include <vector>

/// The frame whose pixels' places a layer is drawn at: the classic map, or a
/// view with its centre and fit, at a size in device pixels. Equal frames
/// have equal places.
struct PixelFrame
{
    bool classic = true;
    MapView view = MapView::PlateCarree;
    GeoPoint centre;
    MapFit fit = MapFit::Contain;
    QSize pixels;
    bool operator==(const PixelFrame &) const = default;
};

/// Everything a pass of layers draws from besides its pixels' places.
struct PixelLayerKey
{
    std::vector<std::type_index> kinds;
    std::vector<double> numbers;
    /// Held, so that other data are never taken for them at the same address.
    std::vector<std::shared_ptr<const void>> data;
    bool operator==(const PixelLayerKey &) const = default;
};

class PixelLayer
{
public:
    virtual ~PixelLayer() = default;
    /// Draws over one row of premultiplied 32-bit pixels, whose places are
    /// given. Called for several rows at once from different threads.
    virtual void drawRow(const PixelRow &places, uint32_t *pixels) const = 0;
    /// Adds what the layer's pixels depend on besides their places: layers
    /// adding equal keys draw equal pixels.
    virtual void addKey(PixelLayerKey &key) const = 0;
};

/// Draws the layers drawn pixel by pixel over a frame in one pass on all
/// cores, and keeps what they drew once the same pass comes twice running.
/// The window draws one instant again for many reasons (a pin under the
/// pointer, a label, a resized panel), and these layers can cost more than
/// the rest of such a frame; a snapshot or a time-lapse, whose frames all
/// differ, keeps nothing.
class PixelLayerPass
{
public:
    /// What `layers` draw from besides their pixels' places.
    static PixelLayerKey keyOf(std::span<const std::unique_ptr<PixelLayer>> layers);
    /// Draws `layers` afresh, whose key is given, onto `frame`, an image of
    /// the pixels' size in premultiplied ARGB32 rows of `stride` bytes, at
    /// the places of `frame`; keeps what they drew when the same frame and
    /// key come a second time running.
    void draw(std::span<const std::unique_ptr<PixelLayer>> layers, const PixelLayerKey &key,
              const PixelFrame &frame, const PixelPlaces &places, uint8_t *bits, size_t stride,
              int threads);
    /// Whether what layers of this key draw on this frame is kept: then
    /// blendKept draws it instead of draw, a band of rows at a time, as the
    /// rows under it are shaded.
    bool keeps(const PixelFrame &frame, const PixelLayerKey &key) const
    {
        return !m_kept.empty() && frame == m_frame && key == m_key;
    }
    /// Blends what is kept of rows [first, end) onto them; from several
    /// threads at once for different rows.
    void blendKept(uint8_t *bits, size_t stride, int32_t first, int32_t end) const;
    void clear();

private:
    PixelFrame m_frame;
    PixelLayerKey m_key;
    bool m_drawnOnce = false;
    std::vector<PixelRuns> m_kept; ///< what each row drew
};
