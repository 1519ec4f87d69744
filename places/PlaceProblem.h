#pragma once

#include <cstdint>

namespace places {

/// Why a text names no place. The phrases are the model's: in the user's
/// language for the window, in English for the command line and the log.
enum class PlaceProblem : std::uint8_t
{
    None,
    NoPlaceGiven,
    NotDecimalDegrees, ///< figures that are not "LAT,LON"
    NotDegreesMinutes, ///< a degree sign, but not two angles with N/S and E/W
    CoordinatesNotNumbers,
    CoordinatesOutOfRange,
    NotLocator, ///< shaped like a locator, but not one of 4, 6 or 8 characters
    NoCityNameGiven,
    NoCityList, ///< a city's name, with no city list to look it up in
    NoSuchCity,
};

} // namespace places
