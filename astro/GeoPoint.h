#pragma once

/// A place on the Earth in degrees: latitude north positive, longitude east
/// positive. The one place type of the program, from the zone table's places
/// to the points under the Sun and the Moon.
struct GeoPoint
{
    double latitude = 0.0;
    double longitude = 0.0;
    bool operator==(const GeoPoint &) const = default;
};
