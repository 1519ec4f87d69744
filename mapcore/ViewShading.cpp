#include "mapcore/ViewShading.h"

#include "mapcore/NightOverlayDetail.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <new>
#include <thread>

using namespace night_overlay_detail;

namespace {

/// One of the four channels of a pixel, bilinearly weighted.
uint32_t blendPixels(uint32_t a, uint32_t b, uint32_t c, uint32_t d, float fx, float fy)
{
    uint32_t out = 0xff000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const float top =
            float((a >> shift) & 0xff) * (1.0f - fx) + float((b >> shift) & 0xff) * fx;
        const float bottom =
            float((c >> shift) & 0xff) * (1.0f - fx) + float((d >> shift) & 0xff) * fx;
        const float value = top * (1.0f - fy) + bottom * fy;
        out |= uint32_t(std::min(255.0f, value + 0.5f)) << shift;
    }
    return out;
}

/// The image at a place: pixel centres at half-pixel offsets, wrapping east
/// and west, held at the poles.
uint32_t sampleWorld(const WorldImage &image, double latitude, double longitude)
{
    const double u = (longitude + 180.0) / 360.0 * image.width - 0.5;
    const double v = (90.0 - latitude) / 180.0 * image.height - 0.5;
    const double u0 = std::floor(u);
    const double v0 = std::floor(v);
    const auto fx = float(u - u0);
    const auto fy = float(v - v0);
    auto column = [&](double c) {
        auto i = int32_t(std::fmod(c, double(image.width)));
        return i < 0 ? i + image.width : i;
    };
    auto row = [&](double r) { return std::clamp(int32_t(r), 0, image.height - 1); };
    const int32_t c0 = column(u0);
    const int32_t c1 = column(u0 + 1.0);
    const uint32_t *top = image.pixels + std::size_t(row(v0)) * image.stride;
    const uint32_t *bottom = image.pixels + std::size_t(row(v0 + 1.0)) * image.stride;
    return blendPixels(top[c0], top[c1], bottom[c0], bottom[c1], fx, fy);
}

void prepareRows(const MapProjection &projection, const WorldImage &day, const WorldImage &night,
                 ViewPixels &out, int32_t firstRow, int32_t endRow)
{
    for (int32_t row = firstRow; row < endRow; ++row) {
        for (int32_t column = 0; column < out.width; ++column) {
            const std::size_t i = std::size_t(row) * std::size_t(out.width) + std::size_t(column);
            const auto v = projection.unitVectorAt({column + 0.5, row + 0.5});
            if (!v) {
                out.x[i] = out.y[i] = out.z[i] = 0.0f;
                out.day[i] = out.night[i] = 0xff000000u;
                continue;
            }
            out.x[i] = float((*v)[0]);
            out.y[i] = float((*v)[1]);
            out.z[i] = float((*v)[2]);
            const double latitude = std::asin(std::clamp((*v)[2], -1.0, 1.0)) * kRadToDeg;
            const double longitude = std::atan2((*v)[1], (*v)[0]) * kRadToDeg;
            out.day[i] = sampleWorld(day, latitude, longitude);
            out.night[i] = sampleWorld(night, latitude, longitude);
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
    uint8_t alpha(float d) const
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
    static constexpr int kBins = 2048;
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

uint8_t alphaAt(const ViewPixels &pixels, const SunQuantities &sun, const SunVector &s,
                std::size_t i, int32_t column, int32_t row)
{
    const float d = pixels.x[i] * s.x + pixels.y[i] * s.y + pixels.z[i] * s.z;
    const AlphaRamp &ramp = alphaRamp();
    if (std::fabs(d - float(ramp.dayLimit())) < kDayLimitMargin)
        return exactAlpha(pixels, sun, column, row);
    return ramp.alpha(d);
}

inline unsigned roundedBy255(unsigned x)
{
    return ((x + 128) + ((x + 128) >> 8)) >> 8;
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
    std::vector<std::thread> workers;
    const int32_t rowsEach = (height + threads - 1) / threads;
    for (int t = 1; t < threads && t * rowsEach < height; ++t)
        workers.emplace_back(prepareRows, std::cref(projection), std::cref(day), std::cref(night),
                             std::ref(out), t * rowsEach, std::min(height, (t + 1) * rowsEach));
    prepareRows(projection, day, night, out, 0, std::min(height, rowsEach));
    for (std::thread &worker : workers)
        worker.join();
    return true;
}

uint8_t shadedAlpha(const ViewPixels &pixels, const SunQuantities &sun, int32_t column, int32_t row)
{
    const std::size_t i = std::size_t(row) * std::size_t(pixels.width) + std::size_t(column);
    return alphaAt(pixels, sun, sunVector(sun), i, column, row);
}

bool shadeView(const ViewPixels &pixels, const UtcFields &utc, std::span<uint8_t> frame,
               std::size_t frameStride)
{
    if (pixels.width <= 0 || frameStride < std::size_t(pixels.width) * 4 ||
        frame.size() < frameStride * std::size_t(pixels.height - 1) + std::size_t(pixels.width) * 4)
        return false;
    const SunQuantities sun = sunQuantities(utc);
    const SunVector s = sunVector(sun);
    for (int32_t row = 0; row < pixels.height; ++row) {
        auto *out = reinterpret_cast<uint32_t *>(frame.data() + std::size_t(row) * frameStride);
        const std::size_t first = std::size_t(row) * std::size_t(pixels.width);
        for (int32_t column = 0; column < pixels.width; ++column) {
            const std::size_t i = first + std::size_t(column);
            const uint8_t alpha = alphaAt(pixels, sun, s, i, column, row);
            if (alpha == 0) {
                out[column] = pixels.day[i];
            } else if (alpha == 255) {
                out[column] = pixels.night[i];
            } else {
                const uint32_t day = pixels.day[i];
                const uint32_t night = pixels.night[i];
                uint32_t pixel = 0xff000000u;
                for (int shift = 0; shift < 24; shift += 8) {
                    // The overlay premultiplied and truncated, over the day
                    // scaled by 255 - alpha and rounded, as the plate carrée's
                    // kernel composes them.
                    const unsigned over = premultiplied(uint8_t(night >> shift), alpha);
                    const unsigned kept = roundedBy255(((day >> shift) & 0xffu) * (255u - alpha));
                    pixel |= (over + kept) << shift;
                }
                out[column] = pixel;
            }
        }
    }
    return true;
}
