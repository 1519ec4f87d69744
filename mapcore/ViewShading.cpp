#include "mapcore/ViewShading.h"

#include "astro/Sphere.h"

#include "mapcore/NightOverlayDetail.h"
#include "mapcore/Vectorise.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <new>
#include <thread>

using namespace night_overlay_detail;
using view_shading::atan2Approx;

namespace {

constexpr double kPi = M_PI;

// cos x and sin x / x for |x| <= pi as even polynomials, fitted to Chebyshev
// nodes (errors 1.3e-10 and 9e-12), far below the float that keeps a vector:
// libm's sin and cos are calls that keep a row of pixels from being worked
// out several at once.
[[gnu::always_inline]] inline double cosNearZero(double x)
{
    const double t = x * x;
    double p = -9.738224733316166e-12;
    p = p * t + 2.0609314579450854e-09;
    p = p * t - 2.7535630917176346e-07;
    p = p * t + 2.4800614183808947e-05;
    p = p * t - 0.001388886538598508;
    p = p * t + 0.04166666393927641;
    p = p * t - 0.499999998868064;
    return p * t + 0.999999999951881;
}

[[gnu::always_inline]] inline double sincNearZero(double x)
{
    const double t = x * x;
    double p = -6.599808860481929e-13;
    p = p * t + 1.5893152354327723e-10;
    p = p * t - 2.503827456206819e-08;
    p = p * t + 2.7556678646644195e-06;
    p = p * t - 0.000198412537977271;
    p = p * t + 0.008333333139091407;
    p = p * t - 0.16666666658192877;
    return p * t + 0.9999999999961812;
}

/// The vectors of columns [first, first + count) of a row of the globe or the
/// azimuthal view straight from their plane, as if all were inside the rim,
/// and each one's distance from the centre in rho: several pixels at once.
[[gnu::always_inline]] inline void discColumnsBody(bool azimuthal, double py, double halfWidth,
                                                   double scale, double limit, int32_t first,
                                                   int32_t count, double *__restrict rho,
                                                   float *__restrict x, float *__restrict y,
                                                   float *__restrict z)
{
    // Zero outside the rim by a mask rather than a branch, which would keep
    // the loop from running several pixels at once.
    const auto inside = [](float value, bool in) {
        return std::bit_cast<float>(std::bit_cast<uint32_t>(value) & (0u - uint32_t(in)));
    };
    if (azimuthal) {
        for (int32_t i = 0; i < count; ++i) {
            const double px = (double(first + i) + 0.5 - halfWidth) / scale;
            const double r = std::sqrt(px * px + py * py);
            const bool in = r < limit;
            const double across = sincNearZero(r);
            rho[i] = r;
            x[i] = inside(float(cosNearZero(r)), in);
            y[i] = inside(float(across * px), in);
            z[i] = inside(float(across * py), in);
        }
        return;
    }
    for (int32_t i = 0; i < count; ++i) {
        const double px = (double(first + i) + 0.5 - halfWidth) / scale;
        const double r = std::sqrt(px * px + py * py);
        const bool in = r < limit;
        rho[i] = r;
        // Inside the rim r * r < 1; outside, the NaN is masked.
        x[i] = inside(float(std::sqrt(1.0 - r * r)), in);
        y[i] = inside(float(px), in);
        z[i] = inside(float(py), in);
    }
}

// The same compiled for wider instruction sets; chosen at run time. The
// vectoriser's cost model of -O2 leaves loops of unknown length alone.
DUSKMAP_VECTORISE("vect-cost-model=dynamic")
void discColumnsBaseline(bool azimuthal, double py, double halfWidth, double scale, double limit,
                         int32_t first, int32_t count, double *rho, float *x, float *y, float *z)
{
    discColumnsBody(azimuthal, py, halfWidth, scale, limit, first, count, rho, x, y, z);
}

#if defined(__x86_64__)
__attribute__((target("arch=x86-64-v3"))) void
discColumnsV3(bool azimuthal, double py, double halfWidth, double scale, double limit,
              int32_t first, int32_t count, double *rho, float *x, float *y, float *z)
{
    discColumnsBody(azimuthal, py, halfWidth, scale, limit, first, count, rho, x, y, z);
}
#endif

void discColumns(bool azimuthal, double py, double halfWidth, double scale, double limit,
                 int32_t first, int32_t count, double *rho, float *x, float *y, float *z)
{
#if defined(__x86_64__)
    static const bool v3 = supportedInstructionSets().back() >= InstructionSet::X86_64_V3;
    if (v3)
        return discColumnsV3(azimuthal, py, halfWidth, scale, limit, first, count, rho, x, y, z);
#endif
    discColumnsBaseline(azimuthal, py, halfWidth, scale, limit, first, count, rho, x, y, z);
}

/// The vectors of a row of a world map whose latitude stays, as if every
/// column were inside the map: several pixels at once.
[[gnu::always_inline]] inline void worldColumnsBody(double atZero, double perPixel, double cosLat,
                                                    double sinLat, int32_t width,
                                                    float *__restrict x, float *__restrict y,
                                                    float *__restrict z)
{
    for (int32_t column = 0; column < width; ++column) {
        const double east = atZero + (double(column) + 0.5) * perPixel;
        x[column] = float(cosLat * cosNearZero(east));
        y[column] = float(cosLat * east * sincNearZero(east));
        z[column] = float(sinLat);
    }
}

void worldColumnsBaseline(double atZero, double perPixel, double cosLat, double sinLat,
                          int32_t width, float *x, float *y, float *z)
{
    worldColumnsBody(atZero, perPixel, cosLat, sinLat, width, x, y, z);
}

#if defined(__x86_64__)
__attribute__((target("arch=x86-64-v3"))) void worldColumnsV3(double atZero, double perPixel,
                                                              double cosLat, double sinLat,
                                                              int32_t width, float *x, float *y,
                                                              float *z)
{
    worldColumnsBody(atZero, perPixel, cosLat, sinLat, width, x, y, z);
}
#endif

void worldColumns(double atZero, double perPixel, double cosLat, double sinLat, int32_t width,
                  float *x, float *y, float *z)
{
#if defined(__x86_64__)
    static const bool v3 = supportedInstructionSets().back() >= InstructionSet::X86_64_V3;
    if (v3)
        return worldColumnsV3(atZero, perPixel, cosLat, sinLat, width, x, y, z);
#endif
    worldColumnsBaseline(atZero, perPixel, cosLat, sinLat, width, x, y, z);
}

} // namespace

// Azimuthal views straight from their plane; along a row of a world map the
// latitude stays and only the longitude is worked out pixel by pixel.
void viewFrameRow(const MapProjection &frame, int32_t row, float *x, float *y, float *z,
                  int32_t width)
{
    const bool azimuthal = frame.view() == MapView::Azimuthal;
    if (azimuthal || frame.view() == MapView::Globe) {
        const double limit = azimuthal ? kPi : 1.0;
        const double py = (0.5 * frame.frameHeight() - (row + 0.5)) / frame.scale();
        constexpr int32_t kChunk = 256;
        double rho[kChunk];
        for (int32_t first = 0; first < width; first += kChunk) {
            const int32_t count = std::min(kChunk, width - first);
            discColumns(azimuthal, py, 0.5 * frame.frameWidth(), frame.scale(), limit, first, count,
                        rho, x + first, y + first, z + first);
            // Near the rim the projection's own inverse decides, so that both
            // agree on which pixels are in the view.
            for (int32_t i = 0; i < count; ++i) {
                if (std::fabs(rho[i] - limit) > 1e-9)
                    continue;
                const double px = (first + i + 0.5 - 0.5 * frame.frameWidth()) / frame.scale();
                const bool inside = std::hypot(px, py) <= limit;
                const double r = rho[i];
                const double along =
                    azimuthal ? cosNearZero(r) : std::sqrt(std::max(0.0, 1.0 - r * r));
                const double across = azimuthal ? sincNearZero(r) : 1.0;
                x[first + i] = inside ? float(along) : 0.0f;
                y[first + i] = inside ? float(across * px) : 0.0f;
                z[first + i] = inside ? float(across * py) : 0.0f;
            }
        }
        return;
    }
    const auto along = frame.rowAt(row + 0.5);
    if (!along) {
        std::fill_n(x, width, 0.0f);
        std::fill_n(y, width, 0.0f);
        std::fill_n(z, width, 0.0f);
        return;
    }
    const double sinLat = std::sin(along->latitude);
    const double cosLat = std::cos(along->latitude);
    worldColumns(along->atZero, along->perPixel, cosLat, sinLat, width, x, y, z);
    for (int32_t column = 0; column < width; ++column) {
        const double east = along->atZero + (column + 0.5) * along->perPixel;
        if (std::fabs(east) < std::min(along->widest - 1e-9, kPi))
            continue;
        // At the very edge of a world map the inverse itself decides.
        const auto v = frame.unitVectorAt({column + 0.5, row + 0.5});
        x[column] = v ? float((*v)[0]) : 0.0f;
        y[column] = v ? float((*v)[1]) : 0.0f;
        z[column] = v ? float((*v)[2]) : 0.0f;
    }
}

namespace {

/// The overlay's alpha as a function of the sine of the sun's altitude, d:
/// 0 from the day limit up, 255 at and below sin(-17.4167°), and between them
/// the ramp 255 h / -17.4167 truncated, which steps at the sines of k/255 of
/// -17.4167°. A table of bins narrower than the steps holds for each bin the
/// alpha at its lower edge and the sine where that alpha ends, so that one
/// comparison finishes the lookup.
class AlphaRamp
{
public:
    AlphaRamp()
    {
        for (int k = 1; k <= 255; ++k)
            m_steps[std::size_t(k)] = std::sin(k * kTwilightDivisorDeg / 255.0 * kDegToRad);
        m_low = m_steps[255];
        m_high = std::sin(kDayLimitDeg * kDegToRad);
        m_perBin = double(kBins) / (m_high - m_low);
        for (int b = 0; b < kBins; ++b) {
            const double edge = m_low + b / m_perBin;
            int alpha = 255;
            while (alpha > 1 && edge > m_steps[std::size_t(alpha)])
                --alpha;
            m_bins[std::size_t(b)] = {uint8_t(alpha), float(m_steps[std::size_t(alpha)])};
        }
    }
    double dayLimit() const { return m_high; }
    double nightLimit() const { return m_low; }
    [[gnu::always_inline]] uint8_t alpha(float d) const
    {
        if (d >= float(m_high))
            return 0;
        if (d <= float(m_low))
            return 255;
        const auto b = std::min(int(double(d - float(m_low)) * m_perBin), kBins - 1);
        const Bin &bin = m_bins[std::size_t(b)];
        return uint8_t(bin.alpha - (d > bin.end ? 1 : 0));
    }

private:
    static constexpr int kBins = 1024;
    struct Bin
    {
        uint8_t alpha;
        float end;
    };
    std::array<double, 256> m_steps{};
    std::array<Bin, kBins> m_bins{};
    double m_low = 0.0;
    double m_high = 0.0;
    double m_perBin = 0.0;
};

const AlphaRamp &alphaRamp()
{
    static const AlphaRamp ramp;
    return ramp;
}

/// Within this of the day limit, where the ramp jumps from 0 to 8, a float
/// sine may fall on the wrong side: such pixels take the exact path.
constexpr float kDayLimitMargin = 2e-6f;

struct Vector
{
    float x, y, z;
};

/// The point under the overlay's sun: where its hour angle is zero.
std::array<double, 3> sunVector(const SunQuantities &sun)
{
    const double longitude = (sun.rightAscension - 15.0 * sun.t0) * kDegToRad;
    const double declination = sun.declination * kDegToRad;
    return {std::cos(declination) * std::cos(longitude),
            std::cos(declination) * std::sin(longitude), std::sin(declination)};
}

uint8_t exactAlpha(const MapProjection &projection, const SunQuantities &sun, int32_t column,
                   int32_t row)
{
    const auto place = projection.inverse({column + 0.5, row + 0.5});
    return place ? alphaForAltitude(sunAltitudeAt(sun, *place)) : 0;
}

/// The overlay premultiplied and truncated, over the day scaled by 255 -
/// alpha and rounded, as the plate carrée's kernel composes them.
inline uint32_t composed(uint32_t day, uint32_t night, uint32_t alpha)
{
    // Red and blue side by side in one word, green in another: every product
    // stays below 2^16, so the lanes never reach into each other.
    constexpr uint32_t kLanes = 0x00ff00ffu;
    const uint32_t keep = 255u - alpha;
    const auto overlay = [alpha](uint32_t lanes) {
        const uint32_t product = lanes * alpha;
        return ((product + 0x00010001u + ((product >> 8) & kLanes)) >> 8) & kLanes;
    };
    const auto kept = [keep](uint32_t lanes) {
        const uint32_t product = lanes * keep + 0x00800080u;
        return ((product + ((product >> 8) & kLanes)) >> 8) & kLanes;
    };
    const uint32_t redBlue = overlay(night & kLanes) + kept(day & kLanes);
    const uint32_t green = overlay((night >> 8) & 0xffu) + kept((day >> 8) & 0xffu);
    return 0xff000000u | redBlue | (green << 8);
}

/// Each tile's cone: the mean of its vectors as the axis, and the widest
/// angle from it, grown a little for the vectors' rounding to float.
void prepareCones(ViewPixels &out, int32_t firstTileRow, int32_t endTileRow)
{
    constexpr int32_t tile = ViewPixels::kTile;
    for (int32_t tr = firstTileRow; tr < endTileRow; ++tr) {
        for (int32_t tc = 0; tc < out.tileColumns; ++tc) {
            double axis[3] = {0, 0, 0};
            bool none = true;
            const int32_t rowEnd = std::min(out.height, (tr + 1) * tile);
            const int32_t columnEnd = std::min(out.width, (tc + 1) * tile);
            for (int32_t r = tr * tile; r < rowEnd; ++r) {
                for (int32_t c = tc * tile; c < columnEnd; ++c) {
                    const std::size_t i = std::size_t(r) * out.stride + std::size_t(c);
                    if (out.x[i] == 0.0f && out.y[i] == 0.0f && out.z[i] == 0.0f)
                        continue;
                    none = false;
                    axis[0] += out.x[i];
                    axis[1] += out.y[i];
                    axis[2] += out.z[i];
                }
            }
            const double length =
                std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
            ViewPixels::Cone &cone =
                out.cones[std::size_t(tr) * std::size_t(out.tileColumns) + std::size_t(tc)];
            // A tile reaching beyond the view holds the cone of its pixels
            // within; beyond, the frame is black whatever the sun.
            if (none)
                continue; // outside, as the cones start
            // Vectors that cancel out, as a tile holding the whole world: no
            // cone, pixel by pixel.
            if (length < 1e-3) {
                cone = {0.0f, 0.0f, 0.0f, 2.0f, -2.0f, false};
                continue;
            }
            for (double &a : axis)
                a /= length;
            double widest = 1.0;
            for (int32_t r = tr * tile; r < rowEnd; ++r) {
                for (int32_t c = tc * tile; c < columnEnd; ++c) {
                    const std::size_t i = std::size_t(r) * out.stride + std::size_t(c);
                    if (out.x[i] != 0.0f || out.y[i] != 0.0f || out.z[i] != 0.0f)
                        widest = std::min(widest, axis[0] * out.x[i] + axis[1] * out.y[i] +
                                                      axis[2] * out.z[i]);
                }
            }
            const double radius = std::acos(std::clamp(widest, -1.0, 1.0)) + 1e-5;
            // A little inside the limits, for the rounding of the sines.
            const double dayAltitude = kDayLimitDeg * kDegToRad + 1e-4 + radius;
            const double nightAltitude = std::asin(alphaRamp().nightLimit()) - 1e-4 - radius;
            cone = {float(axis[0]),
                    float(axis[1]),
                    float(axis[2]),
                    dayAltitude < M_PI / 2 ? float(std::sin(dayAltitude)) : 2.0f,
                    nightAltitude > -M_PI / 2 ? float(std::sin(nightAltitude)) : -2.0f,
                    false};
        }
    }
}

/// The pixels of one row of tiles, rows [top, bottom) of the view frame, into
/// a band of the frame's shape.
void prepareBand(const MapProjection &viewFrame, int32_t top, int32_t bottom, ViewPixels &band)
{
    constexpr int32_t tile = ViewPixels::kTile;
    const std::size_t count = band.stride * tile;
    if (band.x.size() != count) {
        band.x.assign(count, 0.0f);
        band.y.assign(count, 0.0f);
        band.z.assign(count, 0.0f);
    }
    band.height = bottom - top;
    for (int32_t r = 0; r < tile; ++r) {
        const std::size_t at = std::size_t(r) * band.stride;
        if (top + r < bottom) {
            viewFrameRow(viewFrame, top + r, band.x.data() + at, band.y.data() + at,
                         band.z.data() + at, band.width);
        } else {
            std::fill_n(band.x.data() + at, band.width, 0.0f);
            std::fill_n(band.y.data() + at, band.width, 0.0f);
            std::fill_n(band.z.data() + at, band.width, 0.0f);
        }
    }
    band.cones.assign(std::size_t(band.tileColumns), {});
    prepareCones(band, 0, 1);
}

/// A frame's size in pixels and tiles, with no vectors; false for no frame.
bool shapeOf(const MapProjection &projection, ViewPixels &shape)
{
    constexpr int32_t tile = ViewPixels::kTile;
    shape = ViewPixels{};
    shape.width = int32_t(projection.frameWidth());
    shape.height = int32_t(projection.frameHeight());
    if (shape.width <= 0 || shape.height <= 0)
        return false;
    shape.tileColumns = (shape.width + tile - 1) / tile;
    shape.stride = std::size_t(shape.tileColumns) * tile;
    shape.projection = viewFrameOf(projection);
    return true;
}

/// Where the pixels' places fall in an image, from their longitude and
/// latitude in radians: pixel centres at half-pixel offsets, wrapping east
/// and west, held at the poles.
class Sampler
{
public:
    explicit Sampler(const WorldImage &image)
        : m_pixels(image.pixels), m_width(image.width), m_height(image.height),
          m_stride(image.stride), m_perRadianAcross(float(image.width / (2.0 * kPi))),
          m_perRadianDown(float(image.height / kPi))
    {}

    [[gnu::always_inline]] uint32_t nearest(float longitude, float latitude) const
    {
        const float u = longitude * m_perRadianAcross + 0.5f * float(m_width);
        const float v = 0.5f * float(m_height) - latitude * m_perRadianDown;
        return m_pixels[std::size_t(row(floorOf(v))) * m_stride + std::size_t(column(floorOf(u)))];
    }

    /// The four nearest pixels blended by weights in 256ths, opaque.
    [[gnu::always_inline]] uint32_t bilinear(float longitude, float latitude) const
    {
        const float u = longitude * m_perRadianAcross + 0.5f * float(m_width) - 0.5f;
        const float v = 0.5f * float(m_height) - latitude * m_perRadianDown - 0.5f;
        const int32_t u0 = floorOf(u), v0 = floorOf(v);
        const auto across = uint64_t((u - float(u0)) * 256.0f + 0.5f);
        const auto down = uint64_t((v - float(v0)) * 256.0f + 0.5f);
        const uint32_t *top = m_pixels + std::size_t(row(v0)) * m_stride;
        const uint32_t *bottom = m_pixels + std::size_t(row(v0 + 1)) * m_stride;
        const int32_t left = column(u0);
        const int32_t right = left + 1 == m_width ? 0 : left + 1;
        // Blue and red 32 bits apart in one word, green in another: the
        // weighted sums stay below 2^24.
        const auto redBlue = [](uint32_t p) {
            return (p & 0xffu) | (uint64_t(p & 0xff0000u) << 16);
        };
        const auto green = [](uint32_t p) { return uint64_t((p >> 8) & 0xffu); };
        const auto blend = [&](auto lanes) {
            const uint64_t upper = lanes(top[left]) * (256 - across) + lanes(top[right]) * across;
            const uint64_t lower =
                lanes(bottom[left]) * (256 - across) + lanes(bottom[right]) * across;
            return (upper * (256 - down) + lower * down + 0x0000800000008000u) >> 16;
        };
        const uint64_t rb = blend(redBlue);
        const uint64_t g = blend(green);
        return 0xff000000u | uint32_t(rb & 0xffu) | uint32_t((g & 0xffu) << 8) |
               uint32_t(((rb >> 32) & 0xffu) << 16);
    }

private:
    /// floor for the range the places give, a pixel beyond either side.
    static int32_t floorOf(float u) { return int32_t(u + 1.0f) - 1; }
    int32_t column(int32_t c) const { return c < 0 ? c + m_width : c >= m_width ? c - m_width : c; }
    int32_t row(int32_t r) const { return std::clamp(r, 0, m_height - 1); }

    const uint32_t *m_pixels;
    int32_t m_width, m_height;
    std::size_t m_stride;
    float m_perRadianAcross, m_perRadianDown;
};

/// What every band of a frame shares.
struct Job
{
    const ViewPixels *pixels; ///< prepared, or none: each band's worked out as it is shaded
    const MapProjection &projection;
    const MapProjection &viewFrame;
    /// The frame's size in pixels and tiles: the prepared pixels' fields
    /// without their vectors.
    ViewPixels shape;
    Sampler day, night;
    ShadingQuality quality;
    SunQuantities sun;
    Vector sunInView;       ///< the sun in the view's own frame
    Vector up, east, north; ///< the view frame's axes on the Earth
    uint8_t *frame;
    std::size_t frameStride;
    /// Each pixel's day and night colours sampled at this centre before, or
    /// where to keep them for the next frame; none while neither.
    const uint32_t *keptDay = nullptr, *keptNight = nullptr;
    uint32_t *keepDay = nullptr, *keepNight = nullptr;
};

// What each tile of a row of tiles is: outside the view, all day, all night,
// or pixel by pixel.
enum class Fill : uint8_t
{
    Outside,
    Day,
    Night,
    Pixels
};

/// One row of a tile: the places of its pixels on the Earth, the images
/// sampled there and the night's alpha, into out.
[[gnu::always_inline]] inline void shadeTileRow(const Job &job, Fill fill, const ViewPixels &source,
                                                std::size_t first, int32_t row, int32_t left,
                                                uint32_t *out)
{
    constexpr int32_t tile = ViewPixels::kTile;
    const float *__restrict x = source.x.data() + first;
    const float *__restrict y = source.y.data() + first;
    const float *__restrict z = source.z.data() + first;
    float longitudes[tile], latitudes[tile];
    // At a centre seen before, each pixel's colours as they were sampled,
    // black outside the view: a tile all in day or all in night then reads
    // them alone, not the vectors too.
    const uint32_t *kept[2] = {job.keptDay ? job.keptDay + first : nullptr,
                               job.keptNight ? job.keptNight + first : nullptr};
    const bool masked = kept[0];
    uint32_t inView[tile];
    if (!masked)
        for (int32_t i = 0; i < tile; ++i)
            inView[i] = x[i] != 0.0f || y[i] != 0.0f || z[i] != 0.0f ? ~0u : 0u;
    if (!kept[0]) {
        for (int32_t i = 0; i < tile; ++i) {
            const float ex = x[i] * job.up.x + y[i] * job.east.x + z[i] * job.north.x;
            const float ey = x[i] * job.up.y + y[i] * job.east.y + z[i] * job.north.y;
            const float ez = x[i] * job.up.z + y[i] * job.east.z + z[i] * job.north.z;
            longitudes[i] = atan2Approx(ey, ex);
            latitudes[i] = atan2Approx(ez, std::sqrt(ex * ex + ey * ey));
        }
    }
    const bool draft = job.quality == ShadingQuality::Draft;
    const auto sampleAt = [&](const Sampler &image, int32_t i) {
        return draft ? image.nearest(longitudes[i], latitudes[i])
                     : image.bilinear(longitudes[i], latitudes[i]);
    };
    // Where the colours are kept for the next frame, both images are sampled
    // at every pixel.
    if (job.keepDay && !kept[0]) {
        uint32_t *keepDay = job.keepDay + first, *keepNight = job.keepNight + first;
        for (int32_t i = 0; i < tile; ++i) {
            keepDay[i] = (sampleAt(job.day, i) & inView[i]) | 0xff000000u;
            keepNight[i] = (sampleAt(job.night, i) & inView[i]) | 0xff000000u;
        }
        kept[0] = keepDay;
        kept[1] = keepNight;
    }
    const auto sample = [&](const Sampler &image, int32_t i) {
        if (kept[0])
            return kept[&image == &job.day ? 0 : 1][i];
        return sampleAt(image, i);
    };
    uint32_t shaded[tile];
    if (fill == Fill::Day || fill == Fill::Night) {
        const Sampler &image = fill == Fill::Day ? job.day : job.night;
        for (int32_t i = 0; i < tile; ++i)
            shaded[i] = sample(image, i);
    } else {
        const AlphaRamp &ramp = alphaRamp();
        const float dayLimit = float(ramp.dayLimit());
        uint32_t days[tile], nights[tile], alphas[tile];
        float sines[tile];
        for (int32_t i = 0; i < tile; ++i)
            sines[i] = x[i] * job.sunInView.x + y[i] * job.sunInView.y + z[i] * job.sunInView.z;
        for (int32_t i = 0; i < tile; ++i) {
            alphas[i] = ramp.alpha(sines[i]);
            if (std::fabs(sines[i] - dayLimit) < kDayLimitMargin)
                alphas[i] = exactAlpha(job.projection, job.sun, left + i, row);
            // Beyond about a third of the ramp's first step only one image shows.
            days[i] = alphas[i] < 255 ? sample(job.day, i) : 0u;
            nights[i] = alphas[i] > 0 ? sample(job.night, i) : 0u;
        }
        // Without branches, so that the compiler blends several pixels at once.
        for (int32_t i = 0; i < tile; ++i)
            shaded[i] = composed(days[i], nights[i], alphas[i]);
    }
    if (masked)
        for (int32_t i = 0; i < tile; ++i)
            out[i] = shaded[i] | 0xff000000u;
    else
        for (int32_t i = 0; i < tile; ++i)
            out[i] = (shaded[i] & inView[i]) | 0xff000000u;
}

[[gnu::always_inline]] inline void
shadeBandsBody(const Job &job, int32_t firstTileRow, int32_t endTileRow,
               const std::function<void(int32_t, int32_t)> &after)
{
    constexpr int32_t tile = ViewPixels::kTile;
    const int32_t tileColumns = job.shape.tileColumns;
    std::vector<Fill> fills(static_cast<std::size_t>(tileColumns));
    // Without prepared pixels, those of one row of tiles at a time.
    ViewPixels band;
    if (!job.pixels)
        band = job.shape;
    const Vector &s = job.sunInView;
    for (int32_t tileRow = firstTileRow; tileRow < endTileRow; ++tileRow) {
        const int32_t top = tileRow * tile;
        const int32_t bottom = std::min(job.shape.height, top + tile);
        const ViewPixels &source = job.pixels ? *job.pixels : band;
        const int32_t sourceTop = job.pixels ? 0 : top;
        if (!job.pixels)
            prepareBand(job.viewFrame, top, bottom, band);
        const ViewPixels::Cone *cones =
            source.cones.data() + std::size_t(job.pixels ? tileRow : 0) * std::size_t(tileColumns);
        for (int32_t t = 0; t < tileColumns; ++t) {
            const ViewPixels::Cone &cone = cones[t];
            Fill fill = Fill::Outside;
            if (!cone.outside) {
                // The altitudes within the tile lie within its half-angle of
                // the axis's altitude.
                const float axisSine = cone.x * s.x + cone.y * s.y + cone.z * s.z;
                fill = axisSine > cone.dayAbove     ? Fill::Day
                       : axisSine < cone.nightBelow ? Fill::Night
                                                    : Fill::Pixels;
            }
            fills[std::size_t(t)] = fill;
        }
        // Row by row through the tiles, so that memory is read in order. A
        // draft shades every other row and repeats it below.
        const bool draft = job.quality == ShadingQuality::Draft;
        for (int32_t row = top; row < bottom; ++row) {
            auto *out =
                reinterpret_cast<uint32_t *>(job.frame + std::size_t(row) * job.frameStride);
            if (draft && (row - top) % 2 == 1) {
                std::memcpy(out, job.frame + std::size_t(row - 1) * job.frameStride,
                            std::size_t(job.shape.width) * 4);
                continue;
            }
            for (int32_t t = 0; t < tileColumns; ++t) {
                const int32_t left = t * tile;
                const int32_t count = std::min(tile, job.shape.width - left);
                const Fill fill = fills[std::size_t(t)];
                if (fill == Fill::Outside) {
                    std::fill_n(out + left, count, 0xff000000u);
                    continue;
                }
                uint32_t shaded[tile];
                shadeTileRow(job, fill, source,
                             std::size_t(row - sourceTop) * source.stride + std::size_t(left), row,
                             left, shaded);
                std::memcpy(out + left, shaded, std::size_t(count) * 4);
            }
        }
        if (after)
            after(top, bottom);
    }
}

// The same bands compiled for wider instruction sets; chosen at run time.
void shadeBandsBaseline(const Job &job, int32_t first, int32_t end,
                        const std::function<void(int32_t, int32_t)> &after)
{
    shadeBandsBody(job, first, end, after);
}

#if defined(__x86_64__)
__attribute__((target("arch=x86-64-v3"))) void
shadeBandsV3(const Job &job, int32_t first, int32_t end,
             const std::function<void(int32_t, int32_t)> &after)
{
    shadeBandsBody(job, first, end, after);
}

__attribute__((target("arch=x86-64-v4"))) void
shadeBandsV4(const Job &job, int32_t first, int32_t end,
             const std::function<void(int32_t, int32_t)> &after)
{
    shadeBandsBody(job, first, end, after);
}
#endif

void shadeBands(const Job &job, int32_t first, int32_t end,
                const std::function<void(int32_t, int32_t)> &after)
{
#if defined(__x86_64__)
    static const InstructionSet widest = supportedInstructionSets().back();
    if (widest == InstructionSet::X86_64_V4)
        return shadeBandsV4(job, first, end, after);
    if (widest == InstructionSet::X86_64_V3)
        return shadeBandsV3(job, first, end, after);
#endif
    shadeBandsBaseline(job, first, end, after);
}

} // namespace

sphere::LocalFrame viewFrameAxes(const MapProjection &projection)
{
    // A world map turns about the axis, an azimuthal view about its centre.
    const bool azimuthal =
        projection.view() == MapView::Azimuthal || projection.view() == MapView::Globe;
    const GeoPoint &centre = projection.centre();
    return sphere::localFrame(azimuthal ? centre : GeoPoint{0.0, centre.longitude});
}

MapProjection viewFrameOf(const MapProjection &projection)
{
    return projection.recentred({0.0, 0.0});
}

bool prepareViewPixels(const MapProjection &projection, int threads, ViewPixels &out)
{
    constexpr int32_t tile = ViewPixels::kTile;
    // The memory of earlier pixels is used again: new pages cost more than
    // the vectors they hold.
    ViewPixels kept = std::move(out);
    if (!shapeOf(projection, out))
        return false;
    out.x = std::move(kept.x);
    out.y = std::move(kept.y);
    out.z = std::move(kept.z);
    out.cones = std::move(kept.cones);
    const int32_t tileRows = (out.height + tile - 1) / tile;
    // Whole tiles, so that a tile's row is always read whole; the padding
    // is outside the view.
    const std::size_t count = out.stride * std::size_t(tileRows) * tile;
    try {
        out.x.assign(count, 0.0f);
        out.y.assign(count, 0.0f);
        out.z.assign(count, 0.0f);
        out.cones.assign(std::size_t(tileRows) * std::size_t(out.tileColumns), {});
    } catch (const std::bad_alloc &) {
        out = ViewPixels{};
        return false;
    }
    // Each thread takes whole rows of tiles: their pixels, then their cones.
    view_shading::inBands(tileRows, threads, [&](int32_t first, int32_t end) {
        for (int32_t row = first * tile; row < std::min(out.height, end * tile); ++row) {
            const std::size_t at = std::size_t(row) * out.stride;
            viewFrameRow(out.projection, row, out.x.data() + at, out.y.data() + at,
                         out.z.data() + at, out.width);
        }
        prepareCones(out, first, end);
    });
    return true;
}

namespace {

bool shade(ViewPixels *pixels, const MapProjection &projection, const WorldImage &day,
           const WorldImage &night, const UtcFields &utc, ShadingQuality quality,
           std::span<uint8_t> frame, std::size_t frameStride, int threads,
           const std::function<void(int32_t first, int32_t end)> &afterRows)
{
    ViewPixels shape;
    if (!shapeOf(projection, shape) || frameStride < std::size_t(shape.width) * 4 ||
        frame.size() < frameStride * std::size_t(shape.height - 1) + std::size_t(shape.width) * 4)
        return false;
    if (pixels && (pixels->width != shape.width || pixels->height != shape.height ||
                   !(pixels->projection == shape.projection) || pixels->x.empty()))
        return false;
    for (const WorldImage *image : {&day, &night})
        if (!image->pixels || image->width <= 0 || image->height <= 0 ||
            image->stride < std::size_t(image->width))
            return false;
    const sphere::LocalFrame axes = viewFrameAxes(projection);
    const SunQuantities sun = sunQuantities(utc);
    const std::array<double, 3> s = sunVector(sun);
    const auto dot = [&s](const std::array<double, 3> &axis) {
        return float(axis[0] * s[0] + axis[1] * s[1] + axis[2] * s[2]);
    };
    const auto vector = [](const std::array<double, 3> &v) {
        return Vector{float(v[0]), float(v[1]), float(v[2])};
    };
    Job job{pixels,
            projection,
            shape.projection,
            shape,
            Sampler(day),
            Sampler(night),
            quality,
            sun,
            {dot(axes.up), dot(axes.east), dot(axes.north)},
            vector(axes.up),
            vector(axes.east),
            vector(axes.north),
            frame.data(),
            frameStride};
    // An exact frame at the centre and images of the last keeps their
    // colours, the first keeps them for the next.
    if (pixels && quality == ShadingQuality::Exact) {
        ViewPixels::KeptColours &kept = pixels->kept;
        const bool same = kept.centre == projection.centre() && kept.day == day &&
                          kept.night == night && kept.dayColours.size() == pixels->x.size();
        if (same) {
            job.keptDay = kept.dayColours.data();
            job.keptNight = kept.nightColours.data();
        } else {
            kept = {projection.centre(), day, night, {}, {}};
            try {
                kept.dayColours.resize(pixels->x.size());
                kept.nightColours.resize(pixels->x.size());
                job.keepDay = kept.dayColours.data();
                job.keepNight = kept.nightColours.data();
            } catch (const std::bad_alloc &) {
                kept = {};
            }
        }
    }
    const int32_t tileRows = (shape.height + ViewPixels::kTile - 1) / ViewPixels::kTile;
    view_shading::inBands(tileRows, threads, [&](int32_t first, int32_t end) {
        shadeBands(job, first, end, afterRows);
    });
    return true;
}

} // namespace

bool shadeView(ViewPixels &pixels, const MapProjection &projection, const WorldImage &day,
               const WorldImage &night, const UtcFields &utc, ShadingQuality quality,
               std::span<uint8_t> frame, std::size_t frameStride, int threads,
               const std::function<void(int32_t first, int32_t end)> &afterRows)
{
    return shade(&pixels, projection, day, night, utc, quality, frame, frameStride, threads,
                 afterRows);
}

bool shadeViewOnce(const MapProjection &projection, const WorldImage &day, const WorldImage &night,
                   const UtcFields &utc, ShadingQuality quality, std::span<uint8_t> frame,
                   std::size_t frameStride, int threads,
                   const std::function<void(int32_t first, int32_t end)> &afterRows)
{
    return shade(nullptr, projection, day, night, utc, quality, frame, frameStride, threads,
                 afterRows);
}
