#pragma once

// Where the map puts a place, for every layer over it: the classic map's own
// mapping or a view's projection behind one value, in the layers' points
// (origin at the frame's top-left corner, y downward). No Qt.

#include "astro/GeoPoint.h"
#include "mapcore/MapGeometry.h"
#include "mapcore/MapProjection.h"

#include <optional>
#include <span>
#include <vector>

/// One unbroken piece of a line, in frame points.
using FrameLine = std::vector<FramePoint>;

class MapFrame
{
public:
    MapFrame() = default;
    /// The classic map at Greenwich, by the arithmetic its day and night are
    /// composed with.
    explicit MapFrame(const MapGeometry &geometry);
    /// Any view.
    explicit MapFrame(const MapProjection &projection);

    double width() const { return m_width; }
    double height() const { return m_height; }
    /// The place the view is centred on.
    GeoPoint centre() const;

    /// Where a place lands, or none where the view does not show it.
    std::optional<FramePoint> toFrame(const GeoPoint &place) const;
    /// The place under a point, or none outside the view's extent.
    std::optional<GeoPoint> fromFrame(const FramePoint &point) const;
    /// Points a degree at the view's centre: what the symbols and labels grow with.
    double pixelsPerDegree() const;
    /// Points a degree of latitude at a place; 0 where the view does not show it.
    double pixelsPerDegreeAt(const GeoPoint &place) const;

    /// A line through places, each step straight in latitude and the shorter
    /// way round in longitude, as the pieces the frame shows. Steps are
    /// divided until no chord strays more than a quarter point from the
    /// curve; the line breaks where it leaves the view, crosses the view's
    /// seam or jumps across it. A map that repeats sideways gives the whole
    /// line once for every copy of the world it reaches into.
    std::vector<FrameLine> cut(std::span<const GeoPoint> line) const;

    /// The edge of the view's picture of the Earth against the black around
    /// it: none where the picture fills its frame's width and has straight
    /// edges (the classic map, a plate carrée).
    std::vector<FrameLine> rim() const;

    bool operator==(const MapFrame &) const = default;

private:
    /// Frame points between two successive places of a run, b's point last.
    void addStep(FrameLine &run, std::vector<FrameLine> &runs, const GeoPoint &a,
                 const std::optional<FramePoint> &pa, const GeoPoint &b,
                 const std::optional<FramePoint> &pb, int depth) const;

    bool m_flat = true;
    MapGeometry m_geometry;
    MapProjection m_projection;
    double m_width = 0.0;
    double m_height = 0.0;
    double m_period = 0.0; ///< points from one copy of the world to the next; 0 if none
};
