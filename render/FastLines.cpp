#include "render/FastLines.h"

#include "render/RasterBlend.h"

#include <QImage>

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
