#include "render/FastLines.h"

#include "render/RasterBlend.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
/// Whole number below or at v, without a call into the maths library.
inline int floorInt(double v)
{
    const int i = int(v);
    return i - (v < double(i));
}

/// blendOver with the four channels in 16-bit lanes of one 64-bit word: one
/// multiplication instead of two, the same rounding.
inline uint32_t blendOverWide(uint32_t pixel, uint32_t colour)
{
    constexpr uint64_t kLanes = 0x00ff00ff00ff00ffull;
    const uint64_t spread = (pixel & 0x00ff00ffu) | (uint64_t(pixel & 0xff00ff00u) << 24);
    uint64_t t = spread * (255 - (colour >> 24));
    t = ((t + ((t >> 8) & kLanes) + 0x0080008000800080ull) >> 8) & kLanes;
    return colour + (uint32_t(t & 0x00ff00ffu) | uint32_t((t >> 24) & 0xff00ff00u));
}

int alphaOf(double coverage)
{
    return int(coverage * 255.0 + 0.5);
}
} // namespace

FastLines::FastLines(QImage &frame, QRgb colour)
    : m_pixels(reinterpret_cast<uint32_t *>(frame.bits())), m_width(frame.width()),
      m_height(frame.height()), m_stride(size_t(frame.bytesPerLine()) / 4)
{
    const uint32_t premultiplied = qPremultiply(colour);
    for (uint32_t alpha = 0; alpha < 256; ++alpha)
        m_colours[alpha] = byteMul(premultiplied, alpha);
}

void FastLines::polyline(std::span<const FramePoint> points, double scale)
{
    for (size_t i = 1; i < points.size(); ++i)
        segment(points[i - 1].x * scale, points[i - 1].y * scale, points[i].x * scale,
                points[i].y * scale);
}

void FastLines::segment(double x0, double y0, double x1, double y1)
{
    // Segments wholly off the frame, as most of a shifted copy's are, draw nothing.
    if ((x0 < -1.0 && x1 < -1.0) || (x0 > m_width + 1.0 && x1 > m_width + 1.0) ||
        (y0 < -1.0 && y1 < -1.0) || (y0 > m_height + 1.0 && y1 > m_height + 1.0))
        return;
    // Pixel centres at whole numbers.
    if (std::fabs(y1 - y0) > std::fabs(x1 - x0))
        run<true>(y0 - 0.5, x0 - 0.5, y1 - 0.5, x1 - 0.5);
    else
        run<false>(x0 - 0.5, y0 - 0.5, x1 - 0.5, y1 - 0.5);
}

/// Along the major axis from (a0, b0) to (a1, b1), the minor axis
/// changing by at most a pixel a step; for a steep segment the major
/// axis is y.
template <bool Steep> void FastLines::run(double a0, double b0, double a1, double b1)
{
    // Held in locals: the frame's pixels could alias the members, which
    // would otherwise be read again after every pixel written.
    uint32_t *const pixels = m_pixels;
    const uint32_t *const colours = m_colours;
    const int width = m_width, height = m_height;
    const size_t stride = m_stride;
    // Alpha runs from 0 to 255: coverage is at most 1.
    const auto plot = [=](int major, int minor, int alpha) {
        const int x = Steep ? minor : major, y = Steep ? major : minor;
        if (unsigned(x) >= unsigned(width) || unsigned(y) >= unsigned(height))
            return;
        uint32_t &pixel = pixels[size_t(y) * stride + size_t(x)];
        pixel = blendOverWide(pixel, colours[alpha]);
    };
    if (a0 > a1) {
        std::swap(a0, a1);
        std::swap(b0, b1);
    }
    const double gradient = a1 == a0 ? 1.0 : (b1 - b0) / (a1 - a0);
    const auto end = [&](double a, double b, double gap) {
        const int aEnd = floorInt(a + 0.5);
        const double bEnd = b + gradient * (aEnd - a);
        const int row = floorInt(bEnd);
        const double below = bEnd - row;
        plot(aEnd, row, alphaOf((1.0 - below) * gap));
        plot(aEnd, row + 1, alphaOf(below * gap));
        return std::pair{aEnd, bEnd};
    };
    const auto [first, firstB] = end(a0, b0, 1.0 - (a0 + 0.5 - floorInt(a0 + 0.5)));
    const int last = end(a1, b1, a1 + 0.5 - floorInt(a1 + 0.5)).first;
    // Only the steps within the frame along the major axis.
    const int from = std::max(first + 1, 0), to = std::min(last, Steep ? height : width);
    double b = firstB + gradient * (from - first);
    // Within the frame along the major axis, only the minor needs checking.
    const int minorExtent = Steep ? width : height;
    const ptrdiff_t majorStep = Steep ? ptrdiff_t(stride) : 1;
    const ptrdiff_t minorStep = Steep ? 1 : ptrdiff_t(stride);
    for (int a = from; a < to; ++a, b += gradient) {
        const int row = floorInt(b);
        const int below = alphaOf(b - row);
        const ptrdiff_t at = a * majorStep + row * minorStep;
        if (unsigned(row) < unsigned(minorExtent))
            pixels[at] = blendOverWide(pixels[at], colours[255 - below]);
        if (unsigned(row + 1) < unsigned(minorExtent))
            pixels[at + minorStep] = blendOverWide(pixels[at + minorStep], colours[below]);
    }
}

void FastLines::widePolyline(std::span<const FramePoint> points, double scale, double width,
                             std::optional<Dashes> dashes)
{
    const double deviceWidth = width * scale;
    // Where along the dash pattern the line has got to, from one step to the next.
    bool on = true;
    double left = dashes ? dashes->on : 0.0;
    for (size_t i = 1; i < points.size(); ++i) {
        double x0 = points[i - 1].x * scale, y0 = points[i - 1].y * scale;
        const double x1 = points[i].x * scale, y1 = points[i].y * scale;
        if (!dashes) {
            wideSegment(x0, y0, x1, y1, deviceWidth);
            continue;
        }
        const double length = std::hypot(x1 - x0, y1 - y0);
        if (!(length > 0.0))
            continue;
        const double dx = (x1 - x0) / length, dy = (y1 - y0) / length;
        for (double done = 0.0; done < length;) {
            const double step = std::min(left, length - done);
            if (on)
                wideSegment(x0, y0, x0 + dx * step, y0 + dy * step, deviceWidth);
            x0 += dx * step;
            y0 += dy * step;
            done += step;
            left -= step;
            if (left <= 0.0) {
                on = !on;
                left = on ? dashes->on : dashes->off;
            }
        }
    }
}

void FastLines::wideSegment(double x0, double y0, double x1, double y1, double width)
{
    const double reach = width / 2 + 1.0;
    if ((x0 < -reach && x1 < -reach) || (x0 > m_width + reach && x1 > m_width + reach) ||
        (y0 < -reach && y1 < -reach) || (y0 > m_height + reach && y1 > m_height + reach))
        return;
    if (std::fabs(y1 - y0) > std::fabs(x1 - x0))
        band<true>(y0 - 0.5, x0 - 0.5, y1 - 0.5, x1 - 0.5, width);
    else
        band<false>(x0 - 0.5, y0 - 0.5, x1 - 0.5, y1 - 0.5, width);
}

/// Along the major axis, each step covers the line's extent across it: the
/// pixels wholly inside at full coverage, the two at its edges in part. Each
/// step from the nearest whole number to a0 up to, not including, the one
/// nearest a1, so that the steps of a line running on meet without a gap.
template <bool Steep> void FastLines::band(double a0, double b0, double a1, double b1, double width)
{
    uint32_t *const pixels = m_pixels;
    const uint32_t *const colours = m_colours;
    const size_t stride = m_stride;
    const int majorExtent = Steep ? m_height : m_width;
    const int minorExtent = Steep ? m_width : m_height;
    if (a0 > a1) {
        std::swap(a0, a1);
        std::swap(b0, b1);
    }
    if (!(a1 > a0))
        return;
    const double gradient = (b1 - b0) / (a1 - a0);
    // Half the line's extent across the major axis.
    const double half = 0.5 * width * std::sqrt(1.0 + gradient * gradient);
    const int from = std::max(floorInt(a0 + 0.5), 0);
    const int to = std::min(floorInt(a1 + 0.5), majorExtent);
    for (int a = from; a < to; ++a) {
        const double b = b0 + gradient * (a - a0);
        const double low = b - half, high = b + half;
        const int first = std::max(floorInt(low + 0.5), 0);
        const int last = std::min(floorInt(high + 0.5), minorExtent - 1);
        for (int k = first; k <= last; ++k) {
            const double covered = std::min(high, k + 0.5) - std::max(low, k - 0.5);
            const int alpha = std::min(255, alphaOf(covered));
            if (alpha <= 0)
                continue;
            uint32_t &pixel = Steep ? pixels[size_t(a) * stride + size_t(k)]
                                    : pixels[size_t(k) * stride + size_t(a)];
            pixel = blendOverWide(pixel, colours[alpha]);
        }
    }
}
