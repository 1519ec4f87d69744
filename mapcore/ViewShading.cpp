#include "mapcore/ViewShading.h"

#include "astro/Sphere.h"

#include "mapcore/NightOverlayDetail.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <new>
#include <thread>

using namespace night_overlay_detail;

namespace {

/// Where a place falls in an image: its four neighbouring pixels and the
/// weights between them in 256ths. Pixel centres at half-pixel offsets,
/// wrapping east and west, held at the poles.
struct Spot
{
    const uint32_t *top;
    const uint32_t *bottom;
    int32_t left, right;
    uint32_t across, down;
};

Spot spotIn(const WorldImage &image, double latitude, double longitude)
{
    const double u = (longitude + 180.0) / 360.0 * image.width - 0.5;
    const double v = (90.0 - latitude) / 180.0 * image.height - 0.5;
    const double u0 = std::floor(u);
    const double v0 = std::floor(v);
    auto column = [&](double c) {
        auto i = int32_t(std::fmod(c, double(image.width)));
        return i < 0 ? i + image.width : i;
    };
    auto row = [&](double r) { return std::clamp(int32_t(r), 0, image.height - 1); };
    return {image.pixels + std::size_t(row(v0)) * image.stride,
            image.pixels + std::size_t(row(v0 + 1.0)) * image.stride,
            column(u0),
            column(u0 + 1.0),
            uint32_t(std::lround((u - u0) * 256.0)),
            uint32_t(std::lround((v - v0) * 256.0))};
}

/// The bilinear blend of the spot's four pixels, opaque.
uint32_t sampleAt(const Spot &spot)
{
    const uint32_t a = spot.top[spot.left], b = spot.top[spot.right];
    const uint32_t c = spot.bottom[spot.left], d = spot.bottom[spot.right];
    uint32_t out = 0xff000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t top =
            ((a >> shift) & 0xffu) * (256 - spot.across) + ((b >> shift) & 0xffu) * spot.across;
        const uint32_t bottom =
            ((c >> shift) & 0xffu) * (256 - spot.across) + ((d >> shift) & 0xffu) * spot.across;
        out |= ((top * (256 - spot.down) + bottom * spot.down + 32768) >> 16) << shift;
    }
    return out;
}

void prepareRows(const MapProjection &projection, const WorldImage &day, const WorldImage &night,
                 ViewPixels &out, int32_t firstRow, int32_t endRow)
{
    const double centre = projection.centre().longitude * kDegToRad;
    const bool sameSize =
        day.width == night.width && day.height == night.height && day.stride == night.stride;
    for (int32_t row = firstRow; row < endRow; ++row) {
        // Along a row of a world map the latitude stays: only the longitude
        // is worked out pixel by pixel.
        const auto along = projection.rowAt(row + 0.5);
        const double sinLat = along ? std::sin(along->latitude) : 0.0;
        const double cosLat = along ? std::cos(along->latitude) : 0.0;
        for (int32_t column = 0; column < out.width; ++column) {
            const std::size_t i = std::size_t(row) * std::size_t(out.width) + std::size_t(column);
            double latitude = 0.0;
            double longitude = 0.0;
            std::array<double, 3> v{};
            const double east = along ? along->atZero + (column + 0.5) * along->perPixel : 0.0;
            // At the very edge of a world map the inverse itself decides, so
            // that both agree on which pixels are in the view.
            if (along && std::fabs(east) < along->widest - 1e-9) {
                const double lon = centre + east;
                v = {cosLat * std::cos(lon), cosLat * std::sin(lon), sinLat};
                latitude = along->latitude * kRadToDeg;
                longitude = lon * kRadToDeg;
            } else {
                const auto inView = projection.unitVectorAt({column + 0.5, row + 0.5});
                if (!inView) {
                    out.x[i] = out.y[i] = out.z[i] = 0.0f;
                    out.day[i] = out.night[i] = 0xff000000u;
                    continue;
                }
                v = *inView;
                // Per pixel, asin costs less than the sphere header's atan2, and
                // a pixel needs none of its precision at the poles.
                latitude = std::asin(std::clamp(v[2], -1.0, 1.0)) * sphere::kRadToDeg;
                longitude = std::atan2(v[1], v[0]) * sphere::kRadToDeg;
            }
            out.x[i] = float(v[0]);
            out.y[i] = float(v[1]);
            out.z[i] = float(v[2]);
            const Spot spot = spotIn(day, latitude, longitude);
            out.day[i] = sampleAt(spot);
            // The night image is most often the day's size, and so its spot.
            out.night[i] = sampleAt(sameSize ? Spot{night.pixels + (spot.top - day.pixels),
                                                    night.pixels + (spot.bottom - day.pixels),
                                                    spot.left, spot.right, spot.across, spot.down}
                                             : spotIn(night, latitude, longitude));
        }
    }
}

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

struct SunVector
{
    float x, y, z;
};

SunVector sunVector(const SunQuantities &sun)
{
    // The point under the overlay's sun: where its hour angle is zero.
    const double longitude = (sun.rightAscension - 15.0 * sun.t0) * kDegToRad;
    const double declination = sun.declination * kDegToRad;
    return {float(std::cos(declination) * std::cos(longitude)),
            float(std::cos(declination) * std::sin(longitude)), float(std::sin(declination))};
}

uint8_t exactAlpha(const ViewPixels &pixels, const SunQuantities &sun, int32_t column, int32_t row)
{
    const auto place = pixels.projection.inverse({column + 0.5, row + 0.5});
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
                    const std::size_t i = std::size_t(r) * std::size_t(out.width) + std::size_t(c);
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
            // within: beyond, both images are black, so that copying either
            // is right there too.
            if (none || length == 0.0)
                continue; // outside, as the cones start
            for (double &a : axis)
                a /= length;
            double widest = 1.0;
            for (int32_t r = tr * tile; r < rowEnd; ++r) {
                for (int32_t c = tc * tile; c < columnEnd; ++c) {
                    const std::size_t i = std::size_t(r) * std::size_t(out.width) + std::size_t(c);
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

} // namespace

bool prepareViewPixels(const MapProjection &projection, const WorldImage &day,
                       const WorldImage &night, int threads, ViewPixels &out)
{
    out = ViewPixels{};
    const auto width = int32_t(projection.frameWidth());
    const auto height = int32_t(projection.frameHeight());
    if (width <= 0 || height <= 0 || !day.pixels || !night.pixels)
        return false;
    const std::size_t count = std::size_t(width) * std::size_t(height);
    try {
        out.x.resize(count);
        out.y.resize(count);
        out.z.resize(count);
        out.day.resize(count);
        out.night.resize(count);
    } catch (const std::bad_alloc &) {
        out = ViewPixels{};
        return false;
    }
    out.projection = projection;
    out.width = width;
    out.height = height;
    threads = std::clamp(threads, 1, 64);
    constexpr int32_t tile = ViewPixels::kTile;
    const int32_t tileRows = (height + tile - 1) / tile;
    out.tileColumns = (width + tile - 1) / tile;
    out.cones.assign(std::size_t(tileRows) * std::size_t(out.tileColumns), {});
    // Each thread takes whole rows of tiles: their pixels, then their cones.
    const int32_t tileRowsEach = (tileRows + threads - 1) / threads;
    const auto prepare = [&](int32_t firstTileRow) {
        const int32_t endTileRow = std::min(tileRows, firstTileRow + tileRowsEach);
        prepareRows(projection, day, night, out, firstTileRow * tile,
                    std::min(height, endTileRow * tile));
        prepareCones(out, firstTileRow, endTileRow);
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads && t * tileRowsEach < tileRows; ++t)
        workers.emplace_back(prepare, t * tileRowsEach);
    prepare(0);
    for (std::thread &worker : workers)
        worker.join();
    return true;
}

bool shadeView(const ViewPixels &pixels, const UtcFields &utc, std::span<uint8_t> frame,
               std::size_t frameStride,
               const std::function<void(int32_t first, int32_t end)> &afterRows)
{
    if (pixels.width <= 0 || frameStride < std::size_t(pixels.width) * 4 ||
        frame.size() < frameStride * std::size_t(pixels.height - 1) + std::size_t(pixels.width) * 4)
        return false;
    const SunQuantities sun = sunQuantities(utc);
    const SunVector s = sunVector(sun);
    const AlphaRamp &ramp = alphaRamp();
    const float dayLimit = float(ramp.dayLimit());
    constexpr int32_t tile = ViewPixels::kTile;
    const auto width = std::size_t(pixels.width);
    // What each tile of a row of tiles is: the day or night image to copy,
    // or pixel by pixel.
    enum class Fill : uint8_t
    {
        Day,
        Night,
        Pixels
    };
    std::vector<Fill> fills(std::size_t(pixels.tileColumns));
    std::vector<float> sines(width);
    std::vector<uint32_t> alphas(width);
    for (int32_t top = 0; top < pixels.height; top += tile) {
        const ViewPixels::Cone *cones =
            pixels.cones.data() + std::size_t(top / tile) * std::size_t(pixels.tileColumns);
        for (int32_t t = 0; t < pixels.tileColumns; ++t) {
            const ViewPixels::Cone &cone = cones[t];
            // Outside the view the prepared day image is black.
            Fill fill = cone.outside ? Fill::Day : Fill::Pixels;
            if (!cone.outside) {
                // The altitudes within the tile lie within its half-angle of
                // the axis's altitude.
                const float axisSine = cone.x * s.x + cone.y * s.y + cone.z * s.z;
                if (axisSine > cone.dayAbove)
                    fill = Fill::Day;
                else if (axisSine < cone.nightBelow)
                    fill = Fill::Night;
            }
            fills[std::size_t(t)] = fill;
        }
        // Row by row through the tiles, so that memory is read in order.
        const int32_t bottom = std::min(pixels.height, top + tile);
        for (int32_t row = top; row < bottom; ++row) {
            const std::size_t first = std::size_t(row) * width;
            auto *out = reinterpret_cast<uint32_t *>(frame.data() + std::size_t(row) * frameStride);
            const uint32_t *day = pixels.day.data() + first;
            const uint32_t *night = pixels.night.data() + first;
            const float *__restrict x = pixels.x.data() + first;
            const float *__restrict y = pixels.y.data() + first;
            const float *__restrict z = pixels.z.data() + first;
            float *__restrict d = sines.data();
            uint32_t *__restrict a = alphas.data();
            for (int32_t t = 0; t < pixels.tileColumns;) {
                const std::size_t left = std::size_t(t) * tile;
                const Fill fill = fills[std::size_t(t)];
                // A run of tiles copied alike is copied at once.
                if (fill != Fill::Pixels) {
                    while (t < pixels.tileColumns && fills[std::size_t(t)] == fill)
                        ++t;
                    const std::size_t right = std::min(width, std::size_t(t) * tile);
                    std::memcpy(out + left, (fill == Fill::Day ? day : night) + left,
                                (right - left) * 4);
                    continue;
                }
                const std::size_t right = std::min(width, left + tile);
                ++t;
#if !defined(__clang__)
#pragma GCC ivdep
#endif
                for (std::size_t c = left; c < right; ++c)
                    d[c] = x[c] * s.x + y[c] * s.y + z[c] * s.z;
                for (std::size_t c = left; c < right; ++c) {
                    a[c] = ramp.alpha(d[c]);
                    if (std::fabs(d[c] - dayLimit) < kDayLimitMargin)
                        a[c] = exactAlpha(pixels, sun, int32_t(c), row);
                }
                // Without branches, so that the compiler blends several
                // pixels at once.
                for (std::size_t c = left; c < right; ++c)
                    out[c] = composed(day[c], night[c], a[c]);
            }
        }
        if (afterRows)
            afterRows(top, bottom);
    }
    return true;
}
