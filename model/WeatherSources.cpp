#include "model/WeatherSources.h"

#include "model/MapModel.h"
#include "platform/WeatherFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

WatchedFile::Read readWeatherSource(WeatherSource source, const QString &path)
{
    WatchedFile::Read read;
    QString error;
    switch (source) {
    case WeatherSource::Clouds: {
        CloudMapReading clouds = readCloudMap(path, true);
        read.value = std::move(clouds.map);
        error = clouds.error;
        break;
    }
    case WeatherSource::Aurora: {
        AuroraReading aurora = readAuroraForecast(path, true);
        read.value = std::move(aurora.forecast);
        error = aurora.error;
        break;
    }
    }
    if (!read.value)
        read.message = QCoreApplication::translate("WeatherSource", sourceInfo(source).refused)
                           .arg(QFileInfo(path).fileName(), error);
    return read;
}

void takeWeather(MapModel &model, WeatherSource source, std::shared_ptr<const void> value)
{
    switch (source) {
    case WeatherSource::Clouds:
        model.setClouds(std::static_pointer_cast<const weather::CloudMap>(std::move(value)));
        break;
    case WeatherSource::Aurora:
        model.setAurora(std::static_pointer_cast<const weather::AuroraForecast>(std::move(value)));
        break;
    }
}
