#pragma once

// Day and night in any view: each pixel's place on the sphere and the day and
// night images resampled there are worked out once per view, centre and size;
// every redraw then only shades, as the plate carrée's kernel does. No Qt.

#include "mapcore/MapProjection.h"
#include "mapcore/NightOverlay.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

/// An image to sample from: 32-bit pixels (B, G, R, A in memory), top row
/// first, covering the whole world from 180° W and 90° N.
struct WorldImage
{
    const uint32_t *pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    std::size_t stride = 0; ///< pixels from one row to the next
};

/// What shading a view needs of each pixel, prepared once: its unit vector on
/// the sphere (zero outside the view, where the images are black) and the day
/// and night images bilinearly sampled at its place, 20 bytes a pixel; and for
/// each tile of pixels the cone that holds their vectors, so that a tile all
/// in day or all in night is copied without looking at its pixels.
struct ViewPixels
{
    static constexpr int32_t kTile = 16;
    /// A tile's cone: its axis, and the sines of the sun's altitude over the
    /// axis above which the whole tile is in day and below which it is all
    /// in night (the limits moved by the cone's half-angle), for the tile's
    /// pixels within the view.
    struct Cone
    {
        float x, y, z, dayAbove, nightBelow;
        bool outside = true; ///< no pixel of the tile is in the view: black
    };

    MapProjection projection;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<float> x, y, z;
    std::vector<uint32_t> day, night;
    std::vector<Cone> cones; ///< row by row of tiles
    int32_t tileColumns = 0;

    std::size_t bytes() const
    {
        return x.capacity() * 3 * sizeof(float) + (day.capacity() + night.capacity()) * 4 +
               cones.capacity() * sizeof(Cone);
    }
};

/// Fills the pixels of a projection's frame, using up to `threads` threads.
/// Returns false, leaving `out` empty, when memory runs short.
bool prepareViewPixels(const MapProjection &projection, const WorldImage &day,
                       const WorldImage &night, int threads, ViewPixels &out);

/// The frame at an instant: for each pixel the night overlay's alpha at its
/// place (the same ramp as the plate carrée's, within one step of the exact
/// value) composited over the day sample, opaque. frame holds width x height
/// pixels of four bytes, rows frameStride bytes apart. afterRows, when
/// given, is called with each band of rows [first, end) as soon as it is
/// shaded, while it is still in the cache: for what is drawn over it.
bool shadeView(const ViewPixels &pixels, const UtcFields &utc, std::span<uint8_t> frame,
               std::size_t frameStride,
               const std::function<void(int32_t first, int32_t end)> &afterRows = {});
