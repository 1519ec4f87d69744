#pragma once

// Maidenhead locators: fields of 20 by 10 degrees (AA to RR), squares of 2 by
// 1 degrees (00 to 99), subsquares of 5 by 2.5 minutes (aa to xx) and extended
// squares of a tenth of those (00 to 99).

#include "astro/GeoPoint.h"

#include <optional>
#include <string>
#include <string_view>

namespace places {

/// The centre of the square a locator of 4, 6 or 8 characters names, in any
/// case; nothing for another length or a character out of range.
std::optional<GeoPoint> locatorCentre(std::string_view locator);

/// The locator of a place in 4, 6 or 8 characters: "JO62qm". The poles and
/// the antimeridian fall in the last square of the grid.
std::string locatorOf(const GeoPoint &place, int length = 6);

} // namespace places
