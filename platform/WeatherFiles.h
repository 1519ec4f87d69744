#pragma once

// The user's cloud map (a greyscale JPEG or PNG, decoded with Qt's image
// readers) and aurora forecast (NOAA SWPC's OVATION JSON, parsed with Qt
// Core's JSON reader), into the grids of weather/. Each reading either gives
// its grid or one line saying why not.

#include "weather/AuroraForecast.h"
#include "weather/CloudMap.h"

#include <QByteArray>
#include <QString>

#include <memory>

struct CloudMapReading
{
    std::shared_ptr<const weather::CloudMap> map;
    QString error; ///< one line, empty when map is set
};

struct AuroraReading
{
    std::shared_ptr<const weather::AuroraForecast> forecast;
    QString error; ///< one line, empty when forecast is set
};

/// The largest cloud map file read: a 16384 x 8192 JPEG is well under it.
inline constexpr qint64 kMaxCloudFileBytes = qint64(256) << 20;

/// Reads a cloud map; a file that is missing, not a regular file or too large
/// is refused unread. The line says why in English, or translated for the window.
CloudMapReading readCloudMap(const QString &path, bool translated = false);
/// A cloud map's bytes, with the time to take when its comment gives none.
CloudMapReading parseCloudMap(const QByteArray &bytes, qint64 modifiedUnixSeconds,
                              bool translated = false);

/// Reads an aurora forecast; likewise.
AuroraReading readAuroraForecast(const QString &path, bool translated = false);
AuroraReading parseAuroraForecast(const QByteArray &bytes, bool translated = false);
