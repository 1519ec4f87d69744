#pragma once

// The lines of equal sun altitude the twilight layer draws, as polylines in
// degrees: the overlay's own sun, so that they sit on its ramp. No Qt.

#include "astro/GeoPoint.h"
#include "mapcore/NightOverlay.h"

#include <vector>

/// The point the overlay's sun stands over: latitude = declination, longitude
/// in [-180, 180).
GeoPoint overlaySubsolarPoint(const SunQuantities &sun);

/// Where the sun stands at altitudeDeg: the small circle about the subsolar
/// point, as one polyline whose longitudes run on continuously, beyond
/// +-180 where it crosses the map's edge; drawn shifted by -360, 0 and +360 it
/// covers the map. Closed unless it goes round a pole. Consecutive points lie
/// at most maxStepDeg apart in latitude and longitude (at least 0.1).
std::vector<GeoPoint> altitudeContour(const GeoPoint &subsolar, double altitudeDeg,
                                      double maxStepDeg);

/// The step that keeps a contour's chords within a quarter pixel of the
/// curve on a map of this scale: the lines bend no tighter than a radius of
/// about 50 degrees, and a chord of length L strays L^2 / (8 R) from its arc.
double contourStepFor(double pixelsPerDegree);

/// The longitude in [-180, 180) where the contour crosses the parallel
/// latitudeDeg on its evening side (east of the sun), or NaN if it does not.
double eveningLongitude(const GeoPoint &subsolar, double altitudeDeg, double latitudeDeg);
