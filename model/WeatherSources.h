#pragma once

// The user's weather files, the cloud map and the aurora forecast: what the
// preferences keep, the dialog offers and the window watches for each, so
// that all of them loop over one table.

#include "model/MapLayer.h"
#include "platform/WatchedFile.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <memory>

class MapModel;

enum class WeatherSource
{
    Clouds,
    Aurora,
};

struct WeatherSourceInfo
{
    WeatherSource source;
    /// The layer that draws what the file holds.
    MapLayer layer;
    /// The preferences key that keeps the file's path.
    const char *storedKey;
    /// The field's label in the preferences, translated in the context "WeatherSource";
    /// the names of the field and of its buttons for screen readers; the file
    /// dialog's title and its file types.
    const char *fieldLabel;
    const char *fieldName;
    const char *chooseName;
    const char *clearName;
    const char *dialogTitle;
    const char *fileTypes;
    /// The line a refused file gives: %1 the file's name, %2 why.
    const char *refused;
};

inline constexpr std::array kWeatherSources{
    WeatherSourceInfo{
        WeatherSource::Clouds, MapLayer::Clouds, "CloudMapFile",
        //: Preferences: the file of a greyscale world map of the clouds
        QT_TRANSLATE_NOOP("WeatherSource", "C&loud map:"),
        QT_TRANSLATE_NOOP("WeatherSource", "Cloud map file"),
        QT_TRANSLATE_NOOP("WeatherSource", "Choose the cloud map file"),
        QT_TRANSLATE_NOOP("WeatherSource", "Clear the cloud map file"),
        QT_TRANSLATE_NOOP("WeatherSource", "Cloud Map"),
        //: File types in the dialog that chooses the cloud map
        QT_TRANSLATE_NOOP("WeatherSource", "Images (*.jpg *.jpeg *.png);;All files (*)"),
        //: %1 the cloud map's file name, %2 what is wrong with it
        QT_TRANSLATE_NOOP("WeatherSource", "Cloud map \"%1\" not shown: %2")},
    WeatherSourceInfo{
        WeatherSource::Aurora, MapLayer::Aurora, "AuroraForecastFile",
        //: Preferences: the file of NOAA's aurora forecast (OVATION, in JSON)
        QT_TRANSLATE_NOOP("WeatherSource", "Aur&ora forecast:"),
        QT_TRANSLATE_NOOP("WeatherSource", "Aurora forecast file"),
        QT_TRANSLATE_NOOP("WeatherSource", "Choose the aurora forecast file"),
        QT_TRANSLATE_NOOP("WeatherSource", "Clear the aurora forecast file"),
        QT_TRANSLATE_NOOP("WeatherSource", "Aurora Forecast"),
        //: File types in the dialog that chooses the aurora forecast
        QT_TRANSLATE_NOOP("WeatherSource", "OVATION forecasts (*.json);;All files (*)"),
        //: %1 the aurora forecast's file name, %2 what is wrong with it
        QT_TRANSLATE_NOOP("WeatherSource", "Aurora forecast \"%1\" not shown: %2")},
};

constexpr const WeatherSourceInfo &sourceInfo(WeatherSource source)
{
    return kWeatherSources[std::size_t(source)];
}

static_assert([] {
    for (std::size_t i = 0; i < kWeatherSources.size(); ++i)
        if (std::size_t(kWeatherSources[i].source) != i)
            return false;
    return true;
}());

/// Reads a source's file, as the window's watcher does: its grid, or none and
/// the line that says why, in the user's language. Touches nothing shared.
WatchedFile::Read readWeatherSource(WeatherSource source, const QString &path);
/// Gives the model what a read gave: the grid, or none.
void takeWeather(MapModel &model, WeatherSource source, std::shared_ptr<const void> value);
