#pragma once

// The lines of equal sun altitude the twilight layer draws, as polylines in
// degrees: the overlay's own sun, so that they sit on its ramp. No Qt.

#include "mapcore/NightOverlay.h"

#include <vector>

struct GeoPoint
{
    double latitude = 0.0;
    double longitude = 0.0;
};

/// The point the overlay's sun stands over: latitude = declination, longitude
/// in [-180, 180).
GeoPoint overlaySubsolarPoint(const SunQuantities &sun);

/// Where the sun stands at altitudeDeg: the small circle about the subsolar
/// point, as one polyline whose longitudes run on continuously, beyond
/// +-180 where it crosses the map's edge; drawn shifted by -360, 0 and +360 it
/// covers the map. Closed unless it goes round a pole. Consecutive points lie
/// at most 2 degrees apart in latitude and longitude.
std::vector<GeoPoint> altitudeContour(const GeoPoint &subsolar, double altitudeDeg);

/// The longitude in [-180, 180) where the contour crosses the parallel
/// latitudeDeg on its evening side (east of the sun), or NaN if it does not.
double eveningLongitude(const GeoPoint &subsolar, double altitudeDeg, double latitudeDeg);
