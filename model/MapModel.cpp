#include "model/MapModel.h"

#include "model/ShownRange.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "zones/TimeZones.h"

#include <algorithm>
#include <utility>

MapModel::MapModel(TimeZoneTable zones, const Clock &clock, QObject *parent)
    : QObject(parent), m_zones(std::move(zones)), m_clock(clock)
{
    m_locationPlaces.reserve(m_zones.zones().size());
    for (const Zone &zone : m_zones.zones())
        m_locationPlaces.push_back(zone.place);
    m_timeZone = QTimeZone(systemTimeZoneName().toUtf8());
}

bool MapModel::selectZone(const QString &name)
{
    if (isKnownTimeZone(name)) {
        setZone(name);
        emit zoneChosen(name);
        return true;
    }
    beep();
    logLine(QStringLiteral("Time zone doesn't exist on system: %1").arg(name));
    setZone(systemTimeZoneName());
    return false;
}

void MapModel::setZone(const QString &name)
{
    // Only an offered zone is selected; any other leaves the selection empty
    // and the clock on the system's zone.
    const QString selected = offersZone(name) ? name : QString();
    if (m_zoneSet && selected == m_zoneName)
        return;
    m_zoneSet = true;
    m_zoneName = selected;
    m_timeZone = QTimeZone((selected.isEmpty() ? systemTimeZoneName() : selected).toUtf8());
    m_markerPlace = m_zones.placeOf(selected);
    emit zoneChanged(m_zoneName);
    emit markerPlaceChanged();
}

bool MapModel::pinZone(const QString &name)
{
    if (!offersZone(name) || m_pinnedZones.contains(name) ||
        m_pinnedZones.size() >= kMaxPinnedZones)
        return false;
    m_pinnedZones.append(name);
    pinsChanged();
    return true;
}

void MapModel::unpinZone(const QString &name)
{
    if (m_pinnedZones.removeAll(name) > 0)
        pinsChanged();
}

void MapModel::pinsChanged()
{
    m_pinnedTimeZones.clear();
    for (const QString &zone : m_pinnedZones)
        m_pinnedTimeZones.append(QTimeZone(zone.toUtf8()));
    emit pinnedZonesChanged();
}

QStringList MapModel::setPinnedZones(const QStringList &names)
{
    QStringList pins;
    QStringList skipped;
    for (const QString &name : names) {
        if (offersZone(name) && !pins.contains(name) && pins.size() < kMaxPinnedZones)
            pins.append(name);
        else
            skipped.append(name);
    }
    if (pins != m_pinnedZones) {
        m_pinnedZones = pins;
        pinsChanged();
    }
    return skipped;
}

void MapModel::setLayerShown(MapLayer layer, bool shown)
{
    if (std::exchange(m_layersShown[std::size_t(layer)], shown) != shown)
        emit layerShownChanged(layer, shown);
}

void MapModel::setClouds(std::shared_ptr<const weather::CloudMap> clouds)
{
    if (std::exchange(m_clouds, std::move(clouds)) != m_clouds)
        emit weatherChanged();
}

void MapModel::setAurora(std::shared_ptr<const weather::AuroraForecast> aurora)
{
    if (std::exchange(m_aurora, std::move(aurora)) != m_aurora)
        emit weatherChanged();
}

void MapModel::setWeatherFile(WeatherSource source, const QString &path)
{
    if (std::exchange(m_weatherFiles[std::size_t(source)].path, path) != path)
        emit weatherFilesChanged();
}

void MapModel::setWeatherFileMessage(WeatherSource source, const QString &message)
{
    if (std::exchange(m_weatherFiles[std::size_t(source)].message, message) != message)
        emit weatherFilesChanged();
}

void MapModel::setView(MapView view)
{
    if (std::exchange(m_view, view) != view)
        emit viewChanged();
}

void MapModel::setChosenCentre(const std::optional<GeoPoint> &centre)
{
    if (std::exchange(m_chosenCentre, centre) != centre)
        emit viewChanged();
}

void MapModel::moveCentre(const GeoPoint &centre)
{
    m_centreMoving = true;
    setChosenCentre(centre);
}

void MapModel::finishMovingCentre()
{
    if (!std::exchange(m_centreMoving, false))
        return;
    emit viewChanged();
}

void MapModel::setFit(MapFit fit)
{
    if (std::exchange(m_fit, fit) != fit)
        emit viewChanged();
}

void MapModel::setPlace(PlaceEnd end, const std::optional<ChosenPlace> &place)
{
    std::optional<ChosenPlace> &kept = m_places[size_t(end)];
    if (kept.has_value() == place.has_value() && (!kept || kept->text == place->text))
        return;
    kept = place;
    emit placesChanged();
}

void MapModel::setHomeElevation(double metres)
{
    if (std::exchange(m_homeElevation, metres) != metres)
        emit placesChanged();
}

void MapModel::setGreyLineBand(const GreyLineBand &band)
{
    if (m_greyLineBand.low == band.low && m_greyLineBand.high == band.high)
        return;
    m_greyLineBand = band;
    emit placesChanged();
}

QDateTime MapModel::shownInstant() const
{
    return m_fixedInstant ? *m_fixedInstant : m_clock.now();
}

void MapModel::setShownInstant(const QDateTime &instant)
{
    static const QDateTime first(kFirstShownDate, QTime(0, 0), QTimeZone::utc());
    static const QDateTime last(kLastShownDate, QTime(23, 59, 59), QTimeZone::utc());
    const QDateTime shown = std::clamp(instant.toUTC(), first, last);
    if (m_fixedInstant == shown)
        return;
    m_fixedInstant = shown;
    emit shownInstantChanged();
}

void MapModel::showNow()
{
    if (!m_fixedInstant)
        return;
    m_fixedInstant.reset();
    emit shownInstantChanged();
}
