#pragma once

// The two places a user keeps besides the zone: home and target, each typed
// in any of the place forms; everything that names them loops over kPlaceEnds.

#include "places/Place.h"

#include <QString>

#include <array>

enum class PlaceEnd
{
    Home,
    Target,
};

struct PlaceEndInfo
{
    PlaceEnd end;
    const char *storedKey; ///< the preferences key, holding the place as typed
    const char *jsonKey;   ///< in --readouts --json
    const char *option;    ///< on the command line
};

inline constexpr std::array<PlaceEndInfo, 2> kPlaceEnds = {{
    {PlaceEnd::Home, "HomePlace", "home", "--home"},
    {PlaceEnd::Target, "TargetPlace", "target", "--target"},
}};

/// A place as the user typed it and as it was resolved.
struct ChosenPlace
{
    QString text;
    places::Place place;
};

/// The heights --home-elevation takes, in metres.
inline constexpr double kLowestElevation = -500.0;
inline constexpr double kHighestElevation = 9000.0;

/// The Sun's altitudes that make the grey line, and how far its edges may go.
struct GreyLineBand
{
    double low = -6.0;
    double high = 6.0;
};
inline constexpr double kGreyLineLimit = 18.0;

/// A place from its text, cities from the GeoNames list read on first use; a
/// list that cannot be read is logged once and leaves only the city forms
/// failing.
places::PlaceResult placeNamedBy(const QString &text);
