#pragma once

// The place under each pixel of a frame as an Earth-fixed unit vector, row by
// row, for the layers drawn pixel by pixel: an eclipse's shadow, a
// satellite's footprint, a map of clouds. Testing each pixel against a cone,
// a cap or a grid at its place has no seam at the poles or at ±180°, in any
// view. No Qt.

#include "mapcore/MapGeometry.h"
#include "mapcore/MapProjection.h"

#include <cstdint>
#include <functional>
#include <vector>

struct ViewPixels;

/// One row's places: for each pixel a unit vector in the sphere's axes (x
/// towards 0° N 0° E, y towards 0° N 90° E, z towards the North Pole), or
/// (0, 0, 0) where the pixel shows no place.
struct PixelRow
{
    int32_t row = 0;
    int32_t width = 0;
    const float *x = nullptr;
    const float *y = nullptr;
    const float *z = nullptr;

    bool shows(int32_t column) const
    {
        return x[column] != 0.0f || y[column] != 0.0f || z[column] != 0.0f;
    }
};

class PixelPlaces
{
public:
    /// The classic map at its size in device pixels, repeated sideways where
    /// its frame is wider than the world.
    explicit PixelPlaces(const MapGeometry &device);
    /// A view at its size in device pixels. `prepared`, when it holds this
    /// view's own frame, is rotated rather than each pixel inverted again; it
    /// must outlive this value.
    PixelPlaces(const MapProjection &projection, const ViewPixels *prepared);

    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }

    /// Fills x, y and z (width() each) with the places of a row of pixels.
    /// Safe to call from several threads at once.
    void fillRow(int32_t row, float *x, float *y, float *z) const;

    /// Calls `draw` for every row of the frame with its places, the rows
    /// shared out in bands among up to `threads` threads.
    void forEachRow(int threads, const std::function<void(const PixelRow &)> &draw) const;

private:
    int32_t m_width = 0;
    int32_t m_height = 0;
    // The classic map: each column's longitude and each row's latitude apart.
    bool m_flat = true;
    std::vector<float> m_cosLongitude, m_sinLongitude;
    MapGeometry m_geometry;
    // A view: its own frame (prepared, or worked out row by row) and that
    // frame's axes on the Earth.
    MapProjection m_viewFrame;
    const ViewPixels *m_prepared = nullptr;
    float m_up[3] = {}, m_east[3] = {}, m_north[3] = {};
};
