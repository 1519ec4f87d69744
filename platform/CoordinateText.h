#pragma once

// Latitudes, longitudes and angles as people read them: the locale's digits,
// a true minus sign, and the hemisphere written by a translatable pattern.
// The readouts below the map keep their own fixed formats; texts for machines
// (files, preferences, JSON) never pass through here.

#include "astro/GeoPoint.h"

#include <QString>

/// "52.52° N", "33.87° S": the value's size to the decimals given, with its
/// hemisphere, north for a value that rounds to 0.
QString shownLatitude(double latitudeDeg, int decimals);
/// "13.40° E", "74.01° W"; as shownLatitude.
QString shownLongitude(double longitudeDeg, int decimals);
/// "52.52° N, 13.40° E".
QString shownCoordinates(const GeoPoint &point, int decimals);
/// An angle's number, whole degrees unless decimals are asked for: "−6",
/// "23.4". The text around it writes the degree sign.
QString shownDegrees(double degrees, int decimals = 0);
/// A compass direction's whole degrees, 0 to 359.
QString shownBearing(double bearingDeg);
