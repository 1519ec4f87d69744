#pragma once

// The map's views: where a place on the Earth lands in a frame of pixels and
// back, on a sphere. No Qt, so that tests can hold each view against a
// cartographic library point by point.

#include "astro/GeoPoint.h"
#include "astro/Sphere.h"

#include <array>
#include <optional>

/// The ways the map can show the world.
enum class MapView
{
    PlateCarree, ///< longitude and latitude as x and y
    Azimuthal,   ///< azimuthal equidistant: the whole world about the centre
    Globe,       ///< orthographic: the hemisphere seen from above the centre
    Robinson,
    Mollweide,
};

/// How a view meets a frame of another shape.
enum class MapFit
{
    Contain, ///< the whole view, black where the frame is larger
    Cover,   ///< the frame filled, what does not fit cropped
};

/// A point in a frame: pixels from its top-left corner, y downward.
struct FramePoint
{
    double x = 0.0;
    double y = 0.0;
};

/// A point of a view on the unit sphere, before it is scaled into a frame:
/// x eastward, y northward, in Earth radii.
struct ViewPoint
{
    double x = 0.0;
    double y = 0.0;
};

/// Half the width and half the height of a view's whole extent, in Earth
/// radii: its natural shape.
ViewPoint viewHalfExtent(MapView view);

/// One view centred on a place, fitted into a frame. Each pixel stands for the
/// place under its centre, (column + 0.5, row + 0.5).
class MapProjection
{
public:
    MapProjection() = default;
    /// For the plate carrée only the centre's longitude counts.
    MapProjection(MapView view, const GeoPoint &centre, double frameWidth, double frameHeight,
                  MapFit fit);

    MapView view() const { return m_view; }
    const GeoPoint &centre() const { return m_centre; }
    double frameWidth() const { return m_width; }
    double frameHeight() const { return m_height; }
    /// Pixels an Earth radius.
    double scale() const { return m_scale; }
    /// The same view, size and fit about another centre.
    MapProjection recentred(const GeoPoint &centre) const;

    /// The view's own coordinates of a place; none where the view does not
    /// show it (the far side of the globe, the azimuthal view's antipode).
    std::optional<ViewPoint> project(const GeoPoint &place) const;
    /// The place at a point of the view; none outside its extent.
    std::optional<GeoPoint> unproject(const ViewPoint &point) const;

    /// Where a place lands in the frame, or none where it is not shown.
    std::optional<FramePoint> forward(const GeoPoint &place) const;
    /// The place under a point of the frame; none outside the view's extent.
    std::optional<GeoPoint> inverse(const FramePoint &point) const;

    /// The unit vector (x towards 0° N 0° E, z towards the North Pole) of the
    /// place under a frame point, without the trigonometry of a latitude and
    /// longitude where the view allows: what the shading needs of each pixel.
    std::optional<std::array<double, 3>> unitVectorAt(const FramePoint &point) const;
    /// For the azimuthal view and the globe: the centre with which this view,
    /// at its size and scale and north up, shows a place at a point of the
    /// frame, as a drag keeps the place grabbed under the pointer: the nearer
    /// to this view's centre where two do, a pole where none does; none
    /// outside the view's extent.
    std::optional<GeoPoint> centreShowing(const GeoPoint &place, const FramePoint &point) const;

    /// For the views whose parallels are rows of the frame (the flat map,
    /// Robinson, Mollweide): the latitude (radians) of the row through frame y, and the
    /// longitude east of the centre of a pixel as its x times perPixel plus
    /// atZero, in radians. None for the other views, or beyond the poles.
    struct Row
    {
        double latitude;
        double atZero;
        double perPixel;
        double widest; ///< the view ends beyond this longitude from the centre
    };
    std::optional<Row> rowAt(double frameY) const;

    /// Half the width and half the height of the whole view, in Earth radii.
    ViewPoint halfExtent() const { return viewHalfExtent(m_view); }

    bool operator==(const MapProjection &) const = default;

private:
    void setCentre(const GeoPoint &centre);
    ViewPoint toView(const FramePoint &point) const;
    /// The azimuthal views' inverse, straight to a unit vector.
    std::optional<std::array<double, 3>> sphereVectorAt(const ViewPoint &point) const;

    MapView m_view = MapView::PlateCarree;
    GeoPoint m_centre;
    double m_width = 0.0;
    double m_height = 0.0;
    double m_scale = 0.0;
    bool m_wraps = false; ///< a plate carrée that repeats sideways to cover its frame
    // The centre's sine and cosine of latitude, and its east and north axes.
    double m_sinLat0 = 0.0;
    double m_cosLat0 = 1.0;
    std::array<double, 3> m_up{}, m_east{}, m_north{};
};
