#include "model/WeatherTexts.h"

#include "model/HomeAndTarget.h"
#include "model/MapModel.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <cmath>

namespace {

QString isoUtcSeconds(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()).toUTC().toString(Qt::ISODate);
}

/// "2 h 10 min", "35 min", "3 d 4 h": an age in its two largest units.
QString ageText(qint64 seconds)
{
    const qint64 minutes = std::max<qint64>(0, seconds) / 60;
    const qint64 days = minutes / 1440, hours = minutes / 60 % 24, rest = minutes % 60;
    if (days > 0)
        //: An age in days and hours: "3 d 4 h"
        return QCoreApplication::translate("Weather", "%1 d %2 h").arg(days).arg(hours);
    if (hours > 0)
        //: An age in hours and minutes: "2 h 10 min"
        return QCoreApplication::translate("Weather", "%1 h %2 min").arg(hours).arg(rest);
    //: An age in minutes: "35 min"
    return QCoreApplication::translate("Weather", "%1 min").arg(rest);
}

QJsonValue ageJson(qint64 madeSeconds, qint64 nowSeconds, qint64 staleSeconds)
{
    return QJsonObject{{QStringLiteral("age_seconds"), double(nowSeconds - madeSeconds)},
                       {QStringLiteral("stale"), nowSeconds - madeSeconds > staleSeconds}};
}

} // namespace

std::vector<WeatherAge> weatherAges(const MapModel &model, const QDateTime &instant)
{
    const qint64 now = instant.toSecsSinceEpoch();
    std::vector<WeatherAge> ages;
    if (model.clouds() && model.isLayerShown(MapLayer::Clouds)) {
        const qint64 age = now - model.clouds()->madeUnixSeconds;
        //: In the map's corner: how old the cloud map is, "Clouds 2 h 10 min old"
        ages.push_back({QCoreApplication::translate("Weather", "Clouds %1 old").arg(ageText(age)),
                        age > kCloudsStaleSeconds});
    }
    if (model.aurora() && model.isLayerShown(MapLayer::Aurora)) {
        const qint64 age = now - model.aurora()->forecastUnixSeconds;
        // Under a minute ahead reads as now: a forecast is for a whole minute.
        const bool ahead = age <= -60;
        ages.push_back(
            {!ahead
                 //: In the map's corner: how long ago the aurora forecast's instant was
                 ? QCoreApplication::translate("Weather", "Aurora %1 old").arg(ageText(age))
                 //: In the map's corner: an aurora forecast for an instant still to come
                 : QCoreApplication::translate("Weather", "Aurora forecast for %1 ahead")
                       .arg(ageText(-age)),
             age > kAuroraStaleSeconds});
    }
    // A file refused says so where its age would be, and as a warning: the
    // layer the user asked for is missing.
    for (const WeatherSourceInfo &info : kWeatherSources)
        if (const QString &refused = model.weatherFileMessage(info.source);
            !refused.isEmpty() && model.isLayerShown(info.layer))
            ages.push_back({refused, true});
    return ages;
}

std::optional<weather::AuroraVerdict> auroraAt(const MapModel &model, PlaceEnd end)
{
    const std::optional<ChosenPlace> &chosen = model.place(end);
    if (!model.aurora() || !chosen)
        return std::nullopt;
    return weather::auroraVerdict(
        *model.aurora(), chosen->place.point, placeEndSun(model, end).now.altitudeDeg,
        weather::kDefaultAuroraThreshold, model.clouds().get(), weather::CloudLook{});
}

QString auroraReasonKey(weather::AuroraSight sight)
{
    switch (sight) {
    case weather::AuroraSight::Overhead:
        return QStringLiteral("aurora likely overhead");
    case weather::AuroraSight::OnHorizon:
        return QStringLiteral("aurora likely on the horizon");
    case weather::AuroraSight::TooWeak:
        return QStringLiteral("forecast too weak");
    case weather::AuroraSight::TooLight:
        return QStringLiteral("sky too light");
    case weather::AuroraSight::Cloudy:
        return QStringLiteral("cloudy");
    }
    return {};
}

QString auroraReasonText(weather::AuroraSight sight)
{
    switch (sight) {
    case weather::AuroraSight::Overhead:
        //: Home and Target row: the aurora forecast is strong right above the place, and it is dark
        //: and clear
        return QCoreApplication::translate("Weather", "Aurora likely overhead");
    case weather::AuroraSight::OnHorizon:
        //: Home and Target row: the aurora is forecast near enough to be seen low in the sky
        return QCoreApplication::translate("Weather", "Aurora likely on the horizon");
    case weather::AuroraSight::TooWeak:
        return QCoreApplication::translate("Weather", "No aurora forecast here");
    case weather::AuroraSight::TooLight:
        //: Home and Target row: aurora forecast, but the Sun is less than 12 degrees below the
        //: horizon
        return QCoreApplication::translate("Weather", "Aurora forecast, but the sky is too light");
    case weather::AuroraSight::Cloudy:
        return QCoreApplication::translate("Weather", "Aurora forecast, but cloudy");
    }
    return {};
}

void insertWeatherJson(QJsonObject &json, const MapModel &model)
{
    const qint64 now = model.shownInstant().toSecsSinceEpoch();
    QJsonValue clouds = QJsonValue::Null, aurora = QJsonValue::Null;
    if (const auto &map = model.clouds()) {
        QJsonObject object = ageJson(map->madeUnixSeconds, now, kCloudsStaleSeconds).toObject();
        object.insert(QStringLiteral("made_utc"), isoUtcSeconds(map->madeUnixSeconds));
        clouds = object;
    }
    if (const auto &forecast = model.aurora()) {
        QJsonObject object =
            ageJson(forecast->forecastUnixSeconds, now, kAuroraStaleSeconds).toObject();
        object.insert(QStringLiteral("observed_utc"), isoUtcSeconds(forecast->observedUnixSeconds));
        object.insert(QStringLiteral("forecast_utc"), isoUtcSeconds(forecast->forecastUnixSeconds));
        aurora = object;
    }
    json.insert(QStringLiteral("clouds"), clouds);
    json.insert(QStringLiteral("aurora"), aurora);
}

QJsonValue placeAuroraJson(const MapModel &model, PlaceEnd end)
{
    const std::optional<weather::AuroraVerdict> verdict = auroraAt(model, end);
    if (!verdict)
        return QJsonValue::Null;
    return QJsonObject{
        {QStringLiteral("forecast_utc"), isoUtcSeconds(model.aurora()->forecastUnixSeconds)},
        {QStringLiteral("value"), std::round(verdict->value * 10.0) / 10.0},
        {QStringLiteral("visible"), verdict->visible()},
        {QStringLiteral("reason"), auroraReasonKey(verdict->sight)},
    };
}
