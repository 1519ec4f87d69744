#pragma once

// A place as the user names it, resolved: coordinates, a locator or a city,
// with its zone.

#include "astro/GeoPoint.h"
#include "places/CityList.h"

#include <string>
#include <string_view>

namespace places {

/// How far a place may lie from a listed city to take its zone.
constexpr double kZoneCityRadiusKm = 200.0;

struct Place
{
    GeoPoint point;
    std::string name;         ///< a city's name; empty for coordinates and locators
    std::string zone;         ///< an IANA zone id
    bool zoneInferred = true; ///< from the nearest city or the longitude, not the place's own
};

struct ZoneGuess
{
    std::string zone;
    bool inferred;
};

/// The zone of the nearest listed city within kZoneCityRadiusKm, else the
/// nautical zone of the longitude; always inferred.
ZoneGuess zoneNear(const CityList &cities, const GeoPoint &point);

struct PlaceResult
{
    bool ok = false;
    Place place;
    std::string problem; ///< when not ok, in plain words
};

/// A place from any of the forms of parsePlaceText; a city name takes the most
/// populous match.
PlaceResult resolvePlace(std::string_view text, const CityList &cities);

} // namespace places
