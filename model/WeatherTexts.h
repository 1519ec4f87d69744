#pragma once

// What the clouds and the aurora say in words: their ages for the map's
// corner, whether the aurora can be seen at home and target, and the same
// for --readouts --json.

#include "weather/AuroraForecast.h"

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <vector>

class MapModel;
enum class PlaceEnd;

/// A cloud map older than this is stale; so is an aurora forecast for an
/// instant longer ago than kAuroraStaleSeconds.
inline constexpr qint64 kCloudsStaleSeconds = 12 * 3600;
inline constexpr qint64 kAuroraStaleSeconds = 3 * 3600;

/// "Clouds 2 h 10 min old", and whether it is stale, for the map's corner.
struct WeatherAge
{
    QString text;
    bool stale = false;
};
/// The ages of the cloud map and the aurora forecast at the shown instant,
/// each where it is loaded and its layer shown, then the lines of the files
/// refused, as stale.
std::vector<WeatherAge> weatherAges(const MapModel &model, const QDateTime &instant);

/// Whether the aurora can be seen at home or target; none while no forecast
/// is loaded or the end is not set. The clouds count where a map is loaded.
std::optional<weather::AuroraVerdict> auroraAt(const MapModel &model, PlaceEnd end);

/// "aurora likely overhead", "too light", ...: the reason as the JSON gives it.
QString auroraReasonKey(weather::AuroraSight sight);
/// The same in the user's language, for the Home and Target row.
QString auroraReasonText(weather::AuroraSight sight);

/// The members "clouds" ({made_utc, age_seconds, stale}) and "aurora"
/// ({observed_utc, forecast_utc, age_seconds, stale}), null where none is loaded.
void insertWeatherJson(QJsonObject &json, const MapModel &model);
/// An end's "aurora": {forecast_utc, value, visible, reason}; null without a forecast.
QJsonValue placeAuroraJson(const MapModel &model, PlaceEnd end);
