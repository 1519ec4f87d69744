#pragma once

// Day and night in any view. Each pixel's place is kept once per view and
// size as a unit vector in the view's own frame, the same view centred on
// 0° N 0° E: a new centre is a rotation, so a dragged view prepares nothing
// again. Each frame turns the sun into that frame for the shading and the
// pixels out of it to sample the day and night images. No Qt.

#include "astro/Sphere.h"
#include "mapcore/MapProjection.h"
#include "mapcore/NightOverlay.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <thread>
#include <vector>

/// An image to sample from: 32-bit pixels (B, G, R, A in memory), top row
/// first, covering the whole world from 180° W and 90° N.
struct WorldImage
{
    const uint32_t *pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    std::size_t stride = 0; ///< pixels from one row to the next
    /// Tells apart images that come to lie at one address; 0 for none.
    int64_t identity = 0;

    bool operator==(const WorldImage &) const = default;
};

/// How a frame is shaded. Exact blends the four nearest image pixels at
/// every pixel, the night's alpha within one step of the ramp. Draft, for a
/// view that is being dragged and is drawn again at rest, shades every other
/// row, as exactly, but for the nearest image pixel, and repeats it below.
enum class ShadingQuality
{
    Exact,
    Draft,
};

/// Each pixel's unit vector in the view's own frame (zero outside the view),
/// 12 bytes a pixel, in rows padded to whole tiles; and for each tile of
/// pixels the cone that holds their vectors, so that a tile all in day or all
/// in night needs only one image.
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

    /// The view, size and fit, centred on 0° N 0° E.
    MapProjection projection;
    int32_t width = 0;
    int32_t height = 0;
    std::size_t stride = 0; ///< vectors from one row to the next: whole tiles
    std::vector<float> x, y, z;
    std::vector<Cone> cones; ///< row by row of tiles
    int32_t tileColumns = 0;

    /// Each pixel's day and night colours as an exact frame sampled them at
    /// one centre from one pair of images: while the view stays where it is,
    /// as the time moves on, only the shading is worked out again.
    struct KeptColours
    {
        GeoPoint centre;
        WorldImage day, night;
        std::vector<uint32_t> dayColours, nightColours;
    };
    KeptColours kept;

    std::size_t bytes() const
    {
        return x.capacity() * 3 * sizeof(float) + cones.capacity() * sizeof(Cone) +
               (kept.dayColours.capacity() + kept.nightColours.capacity()) * sizeof(uint32_t);
    }
};

/// The projection whose pixels a projection's frame shares: the same view,
/// size and fit about 0° N 0° E.
MapProjection viewFrameOf(const MapProjection &projection);

/// The view frame's axes on the Earth: where its x (the centre), y (east)
/// and z (north) point.
sphere::LocalFrame viewFrameAxes(const MapProjection &projection);

/// One row of a view frame's unit vectors (zero outside the view), width
/// pixels from the left.
void viewFrameRow(const MapProjection &viewFrame, int32_t row, float *x, float *y, float *z,
                  int32_t width);

/// Fills the pixels of a projection's view frame, using up to `threads`
/// threads. Returns false, leaving `out` empty, when memory runs short.
bool prepareViewPixels(const MapProjection &projection, int threads, ViewPixels &out);

/// The frame of `projection` at an instant, from pixels prepared for its
/// view frame: for each pixel the night overlay's alpha at its place (the
/// same ramp as the plate carrée's, within one step of the exact value)
/// composited over the day image sampled there, opaque; black outside the
/// view. frame holds width x height pixels of four bytes, rows frameStride
/// bytes apart. afterRows, when given, is called with each band of rows
/// [first, end) as soon as it is shaded, while it is still in the cache: for
/// what is drawn over it; with several threads, from each of them for its
/// own bands. False when the pixels are not of the projection's view frame
/// or the frame does not hold them.
bool shadeView(ViewPixels &pixels, const MapProjection &projection, const WorldImage &day,
               const WorldImage &night, const UtcFields &utc, ShadingQuality quality,
               std::span<uint8_t> frame, std::size_t frameStride, int threads = 1,
               const std::function<void(int32_t first, int32_t end)> &afterRows = {});

/// The same frame with nothing prepared: each band's pixels are worked out
/// as it is shaded and kept nowhere, for a view's only frame, as a
/// snapshot's, which preparing them all first would only slow.
bool shadeViewOnce(const MapProjection &projection, const WorldImage &day, const WorldImage &night,
                   const UtcFields &utc, ShadingQuality quality, std::span<uint8_t> frame,
                   std::size_t frameStride, int threads = 1,
                   const std::function<void(int32_t first, int32_t end)> &afterRows = {});

namespace view_shading {

/// Runs work(first, end) over ranges of [0, count), in up to `threads`
/// threads, the calling one among them.
template <typename Work> void inBands(int32_t count, int threads, Work &&work)
{
    threads = std::clamp(threads, 1, 64);
    const int32_t each = (count + threads - 1) / threads;
    std::vector<std::thread> workers;
    for (int t = 1; t < threads && t * each < count; ++t)
        workers.emplace_back(
            [&work, t, each, count] { work(t * each, std::min(count, (t + 1) * each)); });
    work(0, std::min(count, each));
    for (std::thread &worker : workers)
        worker.join();
}

/// atan2 in single precision by a polynomial that the compiler can run on
/// several pixels at once, where libm's is a call per pixel: within
/// kAtan2ErrorRad of the exact angle, a thousandth of a pixel of a world
/// image 2048 pixels wide.
constexpr float kAtan2ErrorRad = 1e-6f;
[[gnu::always_inline]] inline float atan2Approx(float y, float x)
{
    // atan on [0, 1], fitted to Chebyshev nodes (error 3.8e-7 in float);
    // the other octants by symmetry.
    const float ax = std::fabs(x), ay = std::fabs(y);
    const float high = ax > ay ? ax : ay;
    const float low = ax > ay ? ay : ax;
    const float s = low / (high > 0.0f ? high : 1.0f);
    const float t = s * s;
    float p = 7.298810408e-03f;
    p = p * t - 3.528967500e-02f;
    p = p * t + 8.190272003e-02f;
    p = p * t - 1.338471621e-01f;
    p = p * t + 1.985849738e-01f;
    p = p * t - 3.332512081e-01f;
    float r = s + s * t * p;
    r = ay > ax ? 1.57079632679f - r : r;
    r = x < 0.0f ? 3.14159265359f - r : r;
    return std::copysign(r, y);
}

} // namespace view_shading
