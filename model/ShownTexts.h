#pragma once

#include "mapcore/MapGeometry.h"

#include <QList>
#include <QString>

#include <span>

class MapModel;

/// The clock's texts for the model's shown instant in its zone.
struct ClockTexts
{
    QString time;
    QString date;
};
ClockTexts clockTexts(const MapModel &model);

/// The sun's and the place's texts for the marker as a map of this geometry
/// draws it.
struct PlaceTexts
{
    QString sunrise;
    QString sunset;
    QString latitude;
    QString longitude;
    /// Each without its label, which a screen reader reads after the field's
    /// name: " 7:58", " 40° 42' 51\" N", "Sun never sets".
    QString sunriseValue, sunsetValue, latitudeValue, longitudeValue;
};
PlaceTexts placeTexts(const MapModel &model, const MapGeometry &geometry);

/// A pinned zone's world clock at the model's shown instant, beside the
/// selected zone.
struct PinTexts
{
    QString zone;
    QString clock;    ///< "9:05"
    QString time;     ///< as the clock readout: "9:05:07 JST +0900"
    QString date;     ///< as the date readout
    QString dayShift; ///< "+1 day", "−1 day" or empty
    QString offset;   ///< from the selected zone: "+8 h", "−5:30"
    /// "day", "twilight" or "night" at the zone's place, in English; the
    /// window translates it in the context "ShownTexts".
    QString light;
    int utcOffsetSeconds = 0;
};
QList<PinTexts> pinTexts(const MapModel &model);
/// Every light a world clock can show, in English as in PinTexts::light.
std::span<const char *const> pinLights();

/// The city of a zone id, as the map, the world clocks and a screen reader
/// name it: in the user's language where CLDR has the name, else the id's
/// last part, with spaces for underscores.
QString cityOf(const QString &zone);

/// What the map shows, for screen readers: the instant to the minute in UTC,
/// and the light and the Sun's height at the selected zone's place. Changes
/// at most once a minute.
QString mapDescription(const MapModel &model);

/// The row of home and target: each end's name or locator, its local time
/// (≈ when its zone is only inferred), the sunrise and sunset of its local
/// date and the Sun's height now; then the paths between them and the next
/// time the grey line joins both; then the chosen satellites' next passes. Empty texts for what is
/// not set.
struct HomeTargetTexts
{
    QString home, target, path;
    /// The details each shows on hovering: the zone, the place, the Sun's direction.
    QString homeDetails, targetDetails, pathDetails;
    /// The soonest next passes of the chosen satellites over home, and in
    /// the details every one's.
    QString passes, passesDetails;
};
HomeTargetTexts homeTargetTexts(const MapModel &model);

/// The next clock change of the selected zone within a year, or an empty text.
QString nextChangeText(const MapModel &model);
