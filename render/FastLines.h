#pragma once

#include "mapcore/MapFrame.h"

#include <QRgb>

#include <cstdint>
#include <optional>
#include <span>

class QImage;

/// Antialiased lines one device pixel wide, drawn with Xiaolin Wu's method
/// straight into an ARGB32_Premultiplied frame. QPainter's antialiased
/// strokes cost over a millisecond for the four twilight lines of a large
/// map, many times a redraw's budget for them; this is a few hundredths. A
/// translucent colour draws a fainter line, as a thinner one would look.
class FastLines
{
public:
    FastLines(QImage &frame, QRgb colour);

    /// A polyline in the layers' points, scale device pixels a point.
    void polyline(std::span<const FramePoint> points, double scale);

    /// Dashes along a line, in device pixels: on, then off.
    struct Dashes
    {
        double on, off;
    };
    /// A polyline of any width in points, flat at its ends and dashed when
    /// asked, for a frame drawn once: many times cheaper than QPainter's
    /// stroke, but its joins may cover a pixel twice, and each step is
    /// antialiased across the line only.
    void widePolyline(std::span<const FramePoint> points, double scale, double width,
                      std::optional<Dashes> dashes = std::nullopt);

private:
    void segment(double x0, double y0, double x1, double y1);
    void wideSegment(double x0, double y0, double x1, double y1, double width);
    template <bool Steep> void band(double a0, double b0, double a1, double b1, double width);
    template <bool Steep> void run(double a0, double b0, double a1, double b1);

    uint32_t *m_pixels;
    int m_width;
    int m_height;
    size_t m_stride;
    uint32_t m_colours[256]; ///< the line's colour at each coverage
};
