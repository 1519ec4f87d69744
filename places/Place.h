#pragma once

// A place as the user names it, resolved: coordinates, a locator or a city,
// with its zone.

#include "astro/GeoPoint.h"
#include "places/CityList.h"
#include "places/PlaceText.h"

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
    /// The form it was typed in, which names it: a city by its name, a locator
    /// as long as the one typed, coordinates by a locator of 6 characters.
    PlaceText::Kind kind = PlaceText::Kind::Coordinates;
    int locatorLength = 0; ///< for a locator
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
    PlaceProblem problem = PlaceProblem::None; ///< when not ok
};

/// The place a parsed text names; a city name takes the most populous match.
PlaceResult resolvePlace(const PlaceText &parsed, const CityList &cities);
/// The same for a text in any of the forms of parsePlaceText.
PlaceResult resolvePlace(std::string_view text, const CityList &cities);

} // namespace places
