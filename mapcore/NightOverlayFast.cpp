// The fast night overlay kernel: the reference kernel's bytes exactly, with
// the arc tangent evaluated only where it decides something.
//
// The hour angle depends only on the column and the latitude only on the row,
// so the sun's direction (x, y, z) is tabulated per column and sin/cos of the
// latitude per row, with the reference's expressions. What decides a pixel is
// the vertical component z' = x cos(phi) + z sin(phi), formed exactly as the
// reference forms it. The reference's altitude is atan2(z', r), r the
// horizontal component; the vector (x', y, z') has length 1 to within 1e-14,
// so that altitude equals asin(z') to within 1e-14 rad, and glibc's atan2 and
// the scaling to degrees add less than 1e-15 relative. Hence:
//
// - z' at least 1e-9 above sin(-35') is day (alpha 0); z' at least 1e-9 below
//   sin(-17.4167 deg) is alpha 255 (the ramp is clamped at 255 from there down
//   and the night class gives 255 too). Rounding is monotonic, so z' is
//   monotonic in x: a block of columns whose least and greatest x both give
//   day (or both 255) is settled without looking at its pixels.
// - In between (|z'| < 0.3) the Taylor series of asin(z') through z'^21
//   (truncation below 1e-14 rad) gives the altitude to within 1e-11 degree and
//   the ramp 255 h / -17.4167 to within 1e-9. Where that estimate lies within
//   1e-7 degree of the day limit or within 1e-6 of an integer (an alpha step),
//   the pixel takes the reference's exact path.
//
// The margins exceed the proven errors by three orders of magnitude or more;
// about two twilight pixels in a million come within them. A NaN anywhere also
// leads to the exact path.

#include "mapcore/NightOverlay.h"

#include "mapcore/NightOverlayDetail.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <vector>

using namespace night_overlay_detail;

namespace {

// The ramp 255 h / -17.4167 as a multiple of the altitude in radians, and
// its value at the day limit.
constexpr double kRampPerRad = kRadToDeg * (255.0 / kTwilightDivisorDeg);
constexpr double kDayRamp = 255.0 * (kDayLimitDeg / kTwilightDivisorDeg);

// Columns settled together.
constexpr int kBlock = 16;

// Not a value the opacity classes produce (they give 0 or 8 to 255).
constexpr uint8_t kUnresolved = 1;

// Largest |z'| the series is used for (|sin(-17.4167 deg)| is 0.2993).
constexpr double kSeriesLimit = 0.3;

// Taylor coefficients of asin: C(2n, n) / (4^n (2n + 1)), n = 0..10.
constexpr double kAsinCoefficients[] = {
    1.0,
    0.16666666666666666,
    0.075,
    0.044642857142857144,
    0.030381944444444444,
    0.022372159090909092,
    0.017352764423076924,
    0.01396484375,
    0.011551800896139705,
    0.009761609529194078,
    0.008390335809616815,
};

/// Scratch memory of one redraw.
struct Tables
{
    std::vector<double> sinLat, cosLat;        // per row
    std::vector<double> sunX, sunY;            // per column: cos H cos dec, sin H cos dec
    std::vector<double> blockLowX, blockHighX; // per block of columns: least and greatest x
};

/// Decision limits of the estimated ramp, margins included.
struct RampLimits
{
    double dayBelow; // at or below: day
    double dayAbove; // above: twilight
    double full;     // at or above: alpha 255
    double step;     // distance required from an integer
};

struct Job
{
    const MapGeometry &geometry;
    const Tables &tables;
    RampLimits limits;
    double sunZ;          // sin dec
    double daySineLimit;  // z' at or above: day for sure
    double fullSineLimit; // z' at or below: alpha 255 for sure
};

/// The reference's alpha for one pixel, the same expressions in the same order.
uint8_t exactAlpha(double x, double y, double z, double sinPhi, double cosPhi)
{
    const double xh = x * sinPhi - z * cosPhi;
    const double zh = x * cosPhi + z * sinPhi;
    return alphaForAltitude(altitudeDeg(xh, y, zh));
}

using Doubles = double __attribute__((vector_size(32)));
using Bytes = uint8_t __attribute__((vector_size(16)));
using Masks = int64_t __attribute__((vector_size(32)));
using Ints = int32_t __attribute__((vector_size(16)));
constexpr int kLanes = 4;

constexpr int kParts = kBlock / kLanes;

/// Alphas of kBlock columns from z' = x cos(phi) + z sin(phi): day and alpha
/// 255 from z' alone, twilight estimated; kUnresolved where an estimate is too
/// close to the day limit or to an alpha step.
[[gnu::always_inline]] inline void blockAlphas(const double *sunX, double cosPhi, double zSinPhi,
                                               const Job &job, uint8_t *alphas)
{
    Doubles zh[kParts];
    Doubles s2[kParts];
    Doubles series[kParts];
    for (int part = 0; part < kParts; ++part) {
        Doubles x;
        std::memcpy(&x, sunX + kLanes * part, sizeof x);
        zh[part] = x * cosPhi + zSinPhi;
        s2[part] = zh[part] * zh[part];
    }
    // asin(z') by Estrin's scheme: shorter dependency chains than Horner's.
    // Every term is positive, so rounding adds only a few units in the last place.
    for (int part = 0; part < kParts; ++part) {
        const Doubles t = s2[part];
        const Doubles t2 = t * t;
        const Doubles t4 = t2 * t2;
        const Doubles t8 = t4 * t4;
        const Doubles p01 = t * kAsinCoefficients[1] + kAsinCoefficients[0];
        const Doubles p23 = t * kAsinCoefficients[3] + kAsinCoefficients[2];
        const Doubles p45 = t * kAsinCoefficients[5] + kAsinCoefficients[4];
        const Doubles p67 = t * kAsinCoefficients[7] + kAsinCoefficients[6];
        const Doubles p89 = t * kAsinCoefficients[9] + kAsinCoefficients[8];
        const Doubles p03 = p23 * t2 + p01;
        const Doubles p47 = p67 * t2 + p45;
        const Doubles p8a = t2 * kAsinCoefficients[10] + p89;
        const Doubles p07 = p47 * t4 + p03;
        series[part] = p8a * t8 + p07;
    }
    const RampLimits &limits = job.limits;
    int32_t wide[kBlock];
    for (int part = 0; part < kParts; ++part) {
        const Doubles ramp = series[part] * zh[part] * kRampPerRad;
        // Where it is used the ramp lies within [8.5, 300); clamp the other
        // lanes so that their conversion is defined.
        const Doubles zero{};
        const Masks inRange = (ramp > 1.0) & (ramp < 1000.0);
        const Doubles clamped = inRange ? ramp : zero;
        // Truncation is the floor here; the two agree unless an integer lies
        // within the step margin.
        const Ints below = __builtin_convertvector(clamped - limits.step, Ints);
        const Ints above = __builtin_convertvector(clamped + limits.step, Ints);
        // The error bound of the series holds for |z'| <= 0.3 only.
        const Ints inSeries =
            __builtin_convertvector((zh[part] >= -kSeriesLimit) & (zh[part] <= kSeriesLimit), Ints);
        const Ints day = inSeries & __builtin_convertvector(ramp <= limits.dayBelow, Ints);
        const Ints twilight = inSeries & __builtin_convertvector(ramp > limits.dayAbove, Ints);
        const Ints full = __builtin_convertvector(ramp >= limits.full, Ints);
        const Ints clearOfStep = below == above;
        const Ints sureDay = __builtin_convertvector(zh[part] >= job.daySineLimit, Ints);
        const Ints sureFull = __builtin_convertvector(zh[part] <= job.fullSineLimit, Ints);
        const Ints noInts{};
        const Ints rampAlpha = full ? noInts + 255 : below;
        const Ints decided = (twilight & (full | clearOfStep)) ? rampAlpha : noInts + kUnresolved;
        const Ints estimated = day ? noInts : decided;
        const Ints alpha = sureDay ? noInts : sureFull ? noInts + 255 : estimated;
        std::memcpy(wide + kLanes * part, &alpha, sizeof alpha);
    }
    for (int i = 0; i < kBlock; ++i)
        alphas[i] = static_cast<uint8_t>(wide[i]);
}

/// True when any of kBlock alphas is kUnresolved.
[[gnu::always_inline]] inline bool anyUnresolved(const uint8_t *alphas)
{
    constexpr uint64_t kOnes = 0x0101010101010101u;
    constexpr uint64_t kHighs = 0x8080808080808080u;
    bool any = false;
    for (int i = 0; i < kBlock; i += 8) {
        uint64_t word = 0;
        std::memcpy(&word, alphas + i, 8);
        // A zero byte of word ^ kOnes (a byte equal to 1) is the only way a
        // byte's high bit survives this.
        const uint64_t flipped = word ^ (kOnes * kUnresolved);
        any |= ((flipped - kOnes) & ~flipped & kHighs) != 0;
    }
    return any;
}

constexpr int kPixelGroup = kBlock;
using Words = uint16_t __attribute__((vector_size(32)));

constexpr Bytes kAlphaLanes = {0, 0, 0, 0xff, 0, 0, 0, 0xff, 0, 0, 0, 0xff, 0, 0, 0, 0xff};

/// Four premultiplied RGBA pixels from their colours (four bytes per pixel)
/// and alphas (spread to four bytes per pixel).
[[gnu::always_inline]] inline Bytes premultiplyFour(Bytes colour, Bytes alpha)
{
    const Words product =
        __builtin_convertvector(colour, Words) * __builtin_convertvector(alpha, Words);
    // x / 255 for x up to 255 * 255, without a division.
    const Words quotient = (product + 1 + (product >> 8)) >> 8;
    const Bytes premultiplied = __builtin_convertvector(quotient, Bytes);
    return (premultiplied & ~kAlphaLanes) | (alpha & kAlphaLanes);
}

/// RGB samples of kPixelGroup pixels spread to four bytes per pixel; the
/// fourth byte is left for the alpha.
struct Colours
{
    Bytes quad[4];
};

[[gnu::always_inline]] inline Colours spreadColours(const uint8_t *rgb)
{
    Bytes in0, in1, in2;
    std::memcpy(&in0, rgb, 16);
    std::memcpy(&in1, rgb + 16, 16);
    std::memcpy(&in2, rgb + 32, 16);
    return {{
        __builtin_shufflevector(in0, in1, 0, 1, 2, 0, 3, 4, 5, 0, 6, 7, 8, 0, 9, 10, 11, 0),
        __builtin_shufflevector(in0, in1, 12, 13, 14, 0, 15, 16, 17, 0, 18, 19, 20, 0, 21, 22, 23,
                                0),
        __builtin_shufflevector(in1, in2, 8, 9, 10, 0, 11, 12, 13, 0, 14, 15, 16, 0, 17, 18, 19, 0),
        __builtin_shufflevector(in1, in2, 20, 21, 22, 0, 23, 24, 25, 0, 26, 27, 28, 0, 29, 30, 31,
                                0),
    }};
}

/// kPixelGroup alphas, each repeated to the four bytes of its pixel.
[[gnu::always_inline]] inline Colours spreadAlphas(const uint8_t *alphas)
{
    Bytes alpha;
    std::memcpy(&alpha, alphas, 16);
    return {{
        __builtin_shufflevector(alpha, alpha, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3),
        __builtin_shufflevector(alpha, alpha, 4, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7),
        __builtin_shufflevector(alpha, alpha, 8, 8, 8, 8, 9, 9, 9, 9, 10, 10, 10, 10, 11, 11, 11,
                                11),
        __builtin_shufflevector(alpha, alpha, 12, 12, 12, 12, 13, 13, 13, 13, 14, 14, 14, 14, 15,
                                15, 15, 15),
    }};
}

/// kPixelGroup night pixels: the colour as it is, opaque.
[[gnu::always_inline]] inline void writeOpaque(const uint8_t *rgb, uint8_t *rgba)
{
    const Colours colours = spreadColours(rgb);
    for (int q = 0; q < 4; ++q) {
        const Bytes out = colours.quad[q] | kAlphaLanes;
        std::memcpy(rgba + 16 * q, &out, 16);
    }
}

/// kPixelGroup pixels premultiplied by their alphas.
[[gnu::always_inline]] inline void writePremultiplied(const uint8_t *rgb, const uint8_t *alphas,
                                                      uint8_t *rgba)
{
    uint64_t alphaLow = 0;
    uint64_t alphaHigh = 0;
    std::memcpy(&alphaLow, alphas, 8);
    std::memcpy(&alphaHigh, alphas + 8, 8);
    if ((alphaLow | alphaHigh) == 0) {
        std::memset(rgba, 0, 4 * kPixelGroup);
        return;
    }
    if ((alphaLow & alphaHigh) == ~uint64_t{0}) {
        writeOpaque(rgb, rgba);
        return;
    }
    const Colours colours = spreadColours(rgb);
    const Colours spread = spreadAlphas(alphas);
    for (int q = 0; q < 4; ++q) {
        const Bytes out = premultiplyFour(colours.quad[q], spread.quad[q]);
        std::memcpy(rgba + 16 * q, &out, 16);
    }
}

/// The overlay itself: premultiplied RGBA, four bytes per pixel.
struct OverlayPixels
{
    const uint8_t *rgb; // the row's night samples
    uint8_t *out;       // the row's overlay
    std::size_t width;

    [[gnu::always_inline]] void nextRow()
    {
        rgb += 3 * width;
        out += 4 * width;
    }
    [[gnu::always_inline]] void dayBlock(std::size_t c) { std::memset(out + 4 * c, 0, 4 * kBlock); }
    [[gnu::always_inline]] void nightBlock(std::size_t c) { writeOpaque(rgb + 3 * c, out + 4 * c); }
    [[gnu::always_inline]] void block(std::size_t c, const uint8_t *alphas)
    {
        writePremultiplied(rgb + 3 * c, alphas, out + 4 * c);
    }
    [[gnu::always_inline]] void pixel(std::size_t c, uint8_t alpha)
    {
        for (int k = 0; k < 3; ++k)
            out[4 * c + k] = premultiplied(rgb[3 * c + k], alpha);
        out[4 * c + 3] = alpha;
    }
};

/// x / 255 rounded to nearest, for x up to 255 * 255: the composite's rounding.
[[gnu::always_inline]] inline unsigned roundedBy255(unsigned x)
{
    return ((x + 128) + ((x + 128) >> 8)) >> 8;
}

/// kPixelGroup night samples as B, G, R and a free fourth byte, the frame's order.
[[gnu::always_inline]] inline Colours spreadColoursBgr(const uint8_t *rgb)
{
    Bytes in0, in1, in2;
    std::memcpy(&in0, rgb, 16);
    std::memcpy(&in1, rgb + 16, 16);
    std::memcpy(&in2, rgb + 32, 16);
    return {{
        __builtin_shufflevector(in0, in1, 2, 1, 0, 0, 5, 4, 3, 0, 8, 7, 6, 0, 11, 10, 9, 0),
        __builtin_shufflevector(in0, in1, 14, 13, 12, 0, 17, 16, 15, 0, 20, 19, 18, 0, 23, 22, 21,
                                0),
        __builtin_shufflevector(in1, in2, 10, 9, 8, 0, 13, 12, 11, 0, 16, 15, 14, 0, 19, 18, 17, 0),
        __builtin_shufflevector(in1, in2, 22, 21, 20, 0, 25, 24, 23, 0, 28, 27, 26, 0, 31, 30, 29,
                                0),
    }};
}

/// The day image with the overlay composited onto it source-atop, B, G, R, A
/// per pixel: the premultiplied overlay plus the day scaled by 255 - alpha,
/// opaque. Where the overlay is clear that is the day pixel as it is, where it
/// is opaque the night sample.
struct FramePixels
{
    const uint8_t *rgb; // the row's night samples
    const uint8_t *day; // the row's day pixels
    uint8_t *frame;     // the row's frame pixels, perhaps day itself
    std::size_t width;
    std::size_t dayStride;
    std::size_t frameStride;
    bool inPlace;
    /// Called with each row once composed, when not null.
    const std::function<void(int32_t, int32_t)> *afterRows = nullptr;
    int32_t row = 0;

    [[gnu::always_inline]] void nextRow()
    {
        if (afterRows)
            (*afterRows)(row, row + 1);
        ++row;
        rgb += 3 * width;
        day += dayStride;
        frame += frameStride;
    }
    [[gnu::always_inline]] void dayBlock(std::size_t c)
    {
        if (!inPlace)
            std::memcpy(frame + 4 * c, day + 4 * c, 4 * kBlock);
    }
    [[gnu::always_inline]] void nightBlock(std::size_t c)
    {
        const Colours colours = spreadColoursBgr(rgb + 3 * c);
        for (int q = 0; q < 4; ++q) {
            const Bytes out = colours.quad[q] | kAlphaLanes;
            std::memcpy(frame + 4 * c + 16 * q, &out, 16);
        }
    }
    [[gnu::always_inline]] void block(std::size_t c, const uint8_t *alphas)
    {
        uint64_t alphaLow = 0;
        uint64_t alphaHigh = 0;
        std::memcpy(&alphaLow, alphas, 8);
        std::memcpy(&alphaHigh, alphas + 8, 8);
        if ((alphaLow | alphaHigh) == 0) {
            dayBlock(c);
            return;
        }
        if ((alphaLow & alphaHigh) == ~uint64_t{0}) {
            nightBlock(c);
            return;
        }
        const Colours colours = spreadColoursBgr(rgb + 3 * c);
        const Colours spread = spreadAlphas(alphas);
        for (int q = 0; q < 4; ++q) {
            Bytes dayQuad;
            std::memcpy(&dayQuad, day + 4 * c + 16 * q, 16);
            const Words alphaWords = __builtin_convertvector(spread.quad[q], Words);
            const Words product = __builtin_convertvector(colours.quad[q], Words) * alphaWords;
            // The overlay's truncated premultiplication, as premultiplyFour.
            const Words overlay = (product + 1 + (product >> 8)) >> 8;
            const Words biased = __builtin_convertvector(dayQuad, Words) * (255 - alphaWords) + 128;
            // The day scaled by 255 - alpha, rounded as roundedBy255.
            const Words kept = (biased + (biased >> 8)) >> 8;
            const Bytes out = __builtin_convertvector(overlay + kept, Bytes) | kAlphaLanes;
            std::memcpy(frame + 4 * c + 16 * q, &out, 16);
        }
    }
    [[gnu::always_inline]] void pixel(std::size_t c, uint8_t alpha)
    {
        const unsigned keep = 255u - alpha;
        for (int k = 0; k < 3; ++k) {
            const unsigned overlay = premultiplied(rgb[3 * c + 2 - k], alpha);
            frame[4 * c + k] = static_cast<uint8_t>(overlay + roundedBy255(day[4 * c + k] * keep));
        }
        frame[4 * c + 3] = 255;
    }
};

template <typename Pixels>
[[gnu::always_inline]] inline void overlayRows(const Job &job, Pixels pixels)
{
    const auto width = static_cast<std::size_t>(job.geometry.mapWidth);
    const auto height = static_cast<std::size_t>(job.geometry.mapHeight);
    const double *sunX = job.tables.sunX.data();
    const double *sunY = job.tables.sunY.data();
    const double *blockLowX = job.tables.blockLowX.data();
    const double *blockHighX = job.tables.blockHighX.data();
    const double sunZ = job.sunZ;

    for (std::size_t row = 0; row < height; ++row, pixels.nextRow()) {
        const double sinPhi = job.tables.sinLat[row];
        const double cosPhi = job.tables.cosLat[row];
        const double zSinPhi = sunZ * sinPhi;

        std::size_t c = 0;
        for (std::size_t block = 0; c + kBlock <= width; ++block, c += kBlock) {
            // z' is monotonic in x (rounding is monotonic), so the block's
            // z' all lie between those of its least and greatest x.
            const double zA = blockLowX[block] * cosPhi + zSinPhi;
            const double zB = blockHighX[block] * cosPhi + zSinPhi;
            if (zA >= job.daySineLimit && zB >= job.daySineLimit) {
                pixels.dayBlock(c);
                continue;
            }
            if (zA <= job.fullSineLimit && zB <= job.fullSineLimit) {
                pixels.nightBlock(c);
                continue;
            }
            uint8_t alphas[kBlock];
            blockAlphas(sunX + c, cosPhi, zSinPhi, job, alphas);
            if (anyUnresolved(alphas)) {
                for (int i = 0; i < kBlock; ++i) {
                    if (alphas[i] == kUnresolved)
                        alphas[i] = exactAlpha(sunX[c + i], sunY[c + i], sunZ, sinPhi, cosPhi);
                }
            }
            pixels.block(c, alphas);
        }
        // Columns after the last whole block take the exact path.
        for (; c < width; ++c)
            pixels.pixel(c, exactAlpha(sunX[c], sunY[c], sunZ, sinPhi, cosPhi));
    }
}

// The same rows compiled for wider instruction sets; chosen at run time.
template <typename Pixels> void overlayRowsBaseline(const Job &job, const Pixels &pixels)
{
    overlayRows(job, pixels);
}

#if defined(__x86_64__)
template <typename Pixels>
__attribute__((target("arch=x86-64-v2"))) void overlayRowsV2(const Job &job, const Pixels &pixels)
{
    overlayRows(job, pixels);
}

template <typename Pixels>
__attribute__((target("arch=x86-64-v3"))) void overlayRowsV3(const Job &job, const Pixels &pixels)
{
    overlayRows(job, pixels);
}

template <typename Pixels>
__attribute__((target("arch=x86-64-v4"))) void overlayRowsV4(const Job &job, const Pixels &pixels)
{
    overlayRows(job, pixels);
}
#endif

template <typename Pixels>
void runRows(const Job &job, const Pixels &pixels, InstructionSet instructionSet)
{
    switch (instructionSet) {
#if defined(__x86_64__)
    case InstructionSet::X86_64_V4:
        overlayRowsV4(job, pixels);
        break;
    case InstructionSet::X86_64_V3:
        overlayRowsV3(job, pixels);
        break;
    case InstructionSet::X86_64_V2:
        overlayRowsV2(job, pixels);
        break;
#endif
    default:
        overlayRowsBaseline(job, pixels);
        break;
    }
}

/// The per-row and per-column tables of one instant and the limits the
/// kernel decides by.
Job prepareJob(const MapGeometry &geometry, const UtcFields &utc, const FastMargins &margins,
               Tables &tables)
{
    fillRowTables(geometry, tables.sinLat, tables.cosLat);
    const SunQuantities sun = sunQuantities(utc);
    const double declinationRad = sun.declination * kDegToRad;
    const auto width = static_cast<std::size_t>(geometry.mapWidth);
    tables.sunX.resize(width);
    tables.sunY.resize(width);
    for (std::size_t c = 0; c < width; ++c) {
        const double hourAngleRad =
            hourAngleDeg(static_cast<int32_t>(c), geometry, sun) * kDegToRad;
        tables.sunX[c] = std::cos(hourAngleRad) * std::cos(declinationRad);
        tables.sunY[c] = std::sin(hourAngleRad) * std::cos(declinationRad);
    }
    // Least and greatest x of each block of columns; a NaN makes both NaN so
    // that the block is never taken as uniform.
    const std::size_t blocks = width / kBlock;
    tables.blockLowX.resize(blocks);
    tables.blockHighX.resize(blocks);
    for (std::size_t block = 0; block < blocks; ++block) {
        const double *x = tables.sunX.data() + kBlock * block;
        double low = x[0];
        double high = x[0];
        bool nan = false;
        for (int i = 0; i < kBlock; ++i) {
            low = std::min(low, x[i]);
            high = std::max(high, x[i]);
            nan |= std::isnan(x[i]);
        }
        tables.blockLowX[block] = nan ? std::numeric_limits<double>::quiet_NaN() : low;
        tables.blockHighX[block] = nan ? std::numeric_limits<double>::quiet_NaN() : high;
    }

    const double rampMargin = margins.altitudeDeg * (255.0 / -kTwilightDivisorDeg);
    const RampLimits limits{kDayRamp - rampMargin, kDayRamp + rampMargin, 255.0 + margins.step,
                            margins.step};
    return {geometry,
            tables,
            limits,
            std::sin(declinationRad),
            std::sin(kDayLimitDeg * kDegToRad) + margins.sine,
            std::sin(kTwilightDivisorDeg * kDegToRad) - margins.sine};
}

/// True when `bytes` hold the map's rows of four bytes per pixel, `stride`
/// bytes apart.
bool rowsFit(const MapGeometry &geometry, std::size_t bytes, std::size_t stride)
{
    const uint64_t rowBytes = 4 * static_cast<uint64_t>(geometry.mapWidth);
    if (rowBytes == 0 || stride < rowBytes || bytes < rowBytes)
        return false;
    // stride * (mapHeight - 1) + rowBytes <= bytes, without overflow.
    return static_cast<uint64_t>(geometry.mapHeight - 1) <= (bytes - rowBytes) / stride;
}

} // namespace

bool night_overlay_detail::computeNightOverlayWithMargins(
    const MapGeometry &geometry, std::span<const uint8_t> nightRgb, const UtcFields &utc,
    std::span<uint8_t> outRgba, const FastMargins &margins, InstructionSet instructionSet)
{
    if (!buffersFit(geometry, nightRgb.size(), outRgba.size()))
        return false;
    Tables tables;
    const Job job = prepareJob(geometry, utc, margins, tables);
    runRows(
        job,
        OverlayPixels{nightRgb.data(), outRgba.data(), static_cast<std::size_t>(geometry.mapWidth)},
        instructionSet);
    return true;
}

bool night_overlay_detail::composeDayAndNightWithMargins(
    const MapGeometry &geometry, std::span<const uint8_t> day, std::size_t dayStride,
    std::span<const uint8_t> nightRgb, const UtcFields &utc, std::span<uint8_t> frame,
    std::size_t frameStride, const FastMargins &margins, InstructionSet instructionSet,
    const std::function<void(int32_t, int32_t)> &afterRows)
{
    // The overlay's size check, with no overlay buffer.
    if (!buffersFit(geometry, nightRgb.size(), std::numeric_limits<std::size_t>::max()) ||
        !rowsFit(geometry, day.size(), dayStride) || !rowsFit(geometry, frame.size(), frameStride))
        return false;
    const bool inPlace = frame.data() == day.data() && frameStride == dayStride;
    // Otherwise a frame pixel written could be a day pixel still to be read.
    const auto dayStart = reinterpret_cast<uintptr_t>(day.data());
    const auto frameStart = reinterpret_cast<uintptr_t>(frame.data());
    if (!inPlace && frameStart < dayStart + day.size() && dayStart < frameStart + frame.size())
        return false;
    Tables tables;
    const Job job = prepareJob(geometry, utc, margins, tables);
    runRows(job,
            FramePixels{nightRgb.data(), day.data(), frame.data(),
                        static_cast<std::size_t>(geometry.mapWidth), dayStride, frameStride,
                        inPlace, afterRows ? &afterRows : nullptr},
            instructionSet);
    return true;
}

std::vector<InstructionSet> night_overlay_detail::supportedInstructionSets()
{
    std::vector<InstructionSet> supported{InstructionSet::Baseline};
#if defined(__x86_64__) && defined(__clang__)
    // Clang names the features of each level one by one.
    if (__builtin_cpu_supports("sse4.2") && __builtin_cpu_supports("popcnt"))
        supported.push_back(InstructionSet::X86_64_V2);
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") &&
        __builtin_cpu_supports("bmi2"))
        supported.push_back(InstructionSet::X86_64_V3);
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512dq"))
        supported.push_back(InstructionSet::X86_64_V4);
#elif defined(__x86_64__)
    if (__builtin_cpu_supports("x86-64-v2"))
        supported.push_back(InstructionSet::X86_64_V2);
    if (__builtin_cpu_supports("x86-64-v3"))
        supported.push_back(InstructionSet::X86_64_V3);
    if (__builtin_cpu_supports("x86-64-v4"))
        supported.push_back(InstructionSet::X86_64_V4);
#endif
    return supported;
}

bool computeNightOverlay(const MapGeometry &geometry, std::span<const uint8_t> nightRgb,
                         const UtcFields &utc, std::span<uint8_t> outRgba)
{
    return computeNightOverlayWithMargins(geometry, nightRgb, utc, outRgba, kProvenMargins,
                                          supportedInstructionSets().back());
}

bool composeDayAndNight(const MapGeometry &geometry, std::span<const uint8_t> day,
                        std::size_t dayStride, std::span<const uint8_t> nightRgb,
                        const UtcFields &utc, std::span<uint8_t> frame, std::size_t frameStride,
                        const std::function<void(int32_t, int32_t)> &afterRows)
{
    return composeDayAndNightWithMargins(geometry, day, dayStride, nightRgb, utc, frame,
                                         frameStride, kProvenMargins,
                                         supportedInstructionSets().back(), afterRows);
}
