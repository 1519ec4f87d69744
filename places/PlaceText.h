#pragma once

// The forms in which a place is typed: decimal degrees ("52.52,13.40"), the
// degrees, minutes and seconds the readouts print, a Maidenhead locator, or a
// city's name; and the nautical zone of a longitude.

#include "astro/GeoPoint.h"
#include "places/PlaceProblem.h"

#include <string>
#include <string_view>

namespace places {

struct PlaceText
{
    enum class Kind
    {
        Coordinates,
        Locator,
        CityName, ///< to be looked up in the city list
        Invalid,
    };
    Kind kind = Kind::Invalid;
    GeoPoint point;        ///< for coordinates and locators
    std::string name;      ///< a city's name
    std::string qualifier; ///< a city's country or region after a comma, when given
    int locatorLength = 0; ///< 4, 6 or 8 for a locator
    PlaceProblem problem = PlaceProblem::None; ///< for Invalid
};

/// Which form the text takes and, for coordinates and locators, the place.
PlaceText parsePlaceText(std::string_view text);

/// The zone of the sea at a longitude, whole hours from Greenwich: "Etc/GMT-9"
/// at 135 degrees east (the Etc zones count their sign westward), "Etc/GMT" at 0.
std::string nauticalZone(double longitudeDeg);

} // namespace places
