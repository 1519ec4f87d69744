#pragma once

// The two places a user keeps besides the zone: home and target, each typed
// in any of the place forms; everything that names them loops over kPlaceEnds.

#include "astro/PlaceSun.h"
#include "places/Place.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <array>
#include <optional>
#include <vector>

class MapModel;

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
    /// Its name in the window, and its field's label in the preferences, both
    /// translated in the context "PlaceEnd".
    const char *title;
    const char *fieldLabel;
};

inline constexpr std::array<PlaceEndInfo, 2> kPlaceEnds = {{
    {PlaceEnd::Home, "HomePlace", "home", "--home",
     //: The user's own place, one end of the paths
     QT_TRANSLATE_NOOP("PlaceEnd", "Home"), QT_TRANSLATE_NOOP("PlaceEnd", "&Home:")},
    {PlaceEnd::Target, "TargetPlace", "target", "--target",
     //: The far place the paths from home lead to
     QT_TRANSLATE_NOOP("PlaceEnd", "Target"), QT_TRANSLATE_NOOP("PlaceEnd", "&Target:")},
}};

/// An end's name in the user's language: "Home", "Target".
QString placeEndTitle(PlaceEnd end);

/// A place as the user typed it and as it was resolved.
struct ChosenPlace
{
    QString text;
    places::Place place;
};

/// The text a place is kept as when chosen by its coordinates, as LAT,LON to
/// four decimals (some ten metres, finer than a click can aim).
QString coordinatesText(const GeoPoint &point);

/// What names a place on the map and in the row: a city its name, a locator
/// itself as long as typed, coordinates their locator of 6 characters.
QString shownName(const ChosenPlace &chosen);

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

/// A band from its text "LOW,HIGH" in degrees, as the command line and the
/// preferences write it; none when malformed, out of range or empty.
inline std::optional<GreyLineBand> greyLineBandFrom(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool lowOk = false, highOk = false;
    const double low = parts.size() == 2 ? parts[0].toDouble(&lowOk) : 0.0;
    const double high = parts.size() == 2 ? parts[1].toDouble(&highOk) : 0.0;
    if (!lowOk || !highOk || !(low < high) || !(low >= -kGreyLineLimit) ||
        !(high <= kGreyLineLimit))
        return std::nullopt;
    return GreyLineBand{low, high};
}

inline QString greyLineBandText(const GreyLineBand &band)
{
    return QString::number(band.low) + QLatin1Char(',') + QString::number(band.high);
}

/// A place from its parsed text, cities from the GeoNames list read on first
/// use; a list that cannot be read is logged once and leaves only the city
/// forms failing.
places::PlaceResult placeNamedBy(const places::PlaceText &parsed);
/// The same from the text as typed.
places::PlaceResult placeNamedBy(const QString &text);

/// The language a text is written in: English for the command line and the
/// log, which scripts read, or the user's for the window.
enum class TextLanguage
{
    English,
    User,
};
/// What is wrong with a place typed, in plain words, then ": " and the text:
/// "no city of that name: Nowhereville".
QString placeProblemText(places::PlaceProblem problem, const QString &typed, TextLanguage language);

/// The Sun at one end of the path at the model's shown instant: the place's
/// local time, the Sun's height and direction there, and the sunrise and
/// sunset of the place's local date.
struct PlaceEndSun
{
    QDateTime local; ///< in the place's zone, UTC for a zone the system lacks
    astro::Horizontal now;
    astro::RiseSet riseSet;
};
/// For an end that is set; the home's elevation lowers its horizon.
PlaceEndSun placeEndSun(const MapModel &model, PlaceEnd end);

/// The spans over the 24 hours from the shown instant when the grey line
/// joins home and target; none unless both are set.
std::vector<astro::TimeSpan> greyLineWindowsAhead(const MapModel &model);
