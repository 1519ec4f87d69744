#pragma once

#include "mapcore/MapProjection.h"
#include "model/HomeAndTarget.h"
#include "model/MapLayer.h"
#include "model/MapViews.h"
#include "model/Satellites.h"
#include "model/WeatherSources.h"
#include "weather/AuroraForecast.h"
#include "weather/CloudMap.h"
#include "zones/TimeZoneTable.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTimeZone>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class Clock;

/// What the map shows: the selected zone and the marker on its place, the
/// display layers, and the shown instant, which is now or a fixed instant.
/// Views follow its change signals; nothing here draws or stores.
class MapModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString zoneName READ zoneName NOTIFY zoneChanged)
    Q_PROPERTY(bool showingNow READ isShowingNow NOTIFY shownInstantChanged)

public:
    MapModel(TimeZoneTable zones, const Clock &clock, QObject *parent = nullptr);

    const TimeZoneTable &zones() const { return m_zones; }
    /// The zones the system knows, case-insensitively sorted: what the user picks from.
    const QStringList &offeredZones() const { return m_zones.validSortedNames(); }
    /// Whether offeredZones() holds a zone, without asking for them all.
    bool offersZone(const QString &name) const { return m_zones.offers(name); }
    /// The places of every zone in the table, for the location squares.
    const std::vector<GeoPoint> &locationPlaces() const { return m_locationPlaces; }

    /// The selected zone; empty when the zone in use is not among the offered ones.
    QString zoneName() const { return m_zoneName; }
    /// The zone the clock and the sun readouts use: the selected one, else the system's.
    const QTimeZone &timeZone() const { return m_timeZone; }
    /// The marker's place: the selected zone's reference place.
    GeoPoint markerPlace() const { return m_markerPlace; }

    /// Selects a zone and moves the marker to its place. A zone the system no
    /// longer knows sounds the alert, is logged, and gives way to the system's
    /// zone. Returns whether the zone was taken as chosen.
    bool selectZone(const QString &name);

    /// At most this many zones are pinned.
    static constexpr int kMaxPinnedZones = 12;
    /// The zones pinned as world clocks, in the order they were pinned.
    const QStringList &pinnedZones() const { return m_pinnedZones; }
    /// Their time zones, in the same order: looked up once, not at every tick.
    const QList<QTimeZone> &pinnedTimeZones() const { return m_pinnedTimeZones; }
    /// Pins an offered zone; false when it is not offered, already pinned, or
    /// the pins are full.
    bool pinZone(const QString &name);
    void unpinZone(const QString &name);
    /// Pins these zones in this order, skipping any that is not offered or is
    /// repeated, and those past the twelfth. Returns the zones skipped.
    QStringList setPinnedZones(const QStringList &names);

    bool isLayerShown(MapLayer layer) const { return m_layersShown[std::size_t(layer)]; }
    void setLayerShown(MapLayer layer, bool shown);

    /// The view the map is drawn in.
    MapView view() const { return m_view; }
    void setView(MapView view);
    /// The centre the user chose; none while the view stands on its own
    /// default centre.
    const std::optional<GeoPoint> &chosenCentre() const { return m_chosenCentre; }
    void setChosenCentre(const std::optional<GeoPoint> &centre);
    /// Moves the centre while the user drags the map; finishMovingCentre()
    /// settles it. Meanwhile isCentreMoving() says not to store each step.
    void moveCentre(const GeoPoint &centre);
    void finishMovingCentre();
    bool isCentreMoving() const { return m_centreMoving; }
    /// The place the view is centred on: the chosen one, else the view's
    /// default centre.
    GeoPoint viewCentre() const
    {
        if (m_chosenCentre)
            return *m_chosenCentre;
        return viewInfo(m_view).centre == DefaultCentre::SelectedZone ? m_markerPlace : GeoPoint{};
    }
    /// How the view meets a frame of another shape; not kept between runs.
    MapFit fit() const { return m_fit; }
    void setFit(MapFit fit);
    /// The plate carrée as it always was: centred on Greenwich, whole.
    bool isClassicView() const
    {
        return m_view == MapView::PlateCarree && !m_chosenCentre && m_fit == MapFit::Contain;
    }

    /// The home or target place; none while not chosen.
    const std::optional<ChosenPlace> &place(PlaceEnd end) const { return m_places[size_t(end)]; }
    void setPlace(PlaceEnd end, const std::optional<ChosenPlace> &place);
    /// The home's height above the sea, which lowers its horizon.
    double homeElevation() const { return m_homeElevation; }
    void setHomeElevation(double metres);
    const GreyLineBand &greyLineBand() const { return m_greyLineBand; }
    void setGreyLineBand(const GreyLineBand &band);

    /// The satellites read from the user's file and those chosen.
    Satellites &satellites() { return m_satellites; }
    const Satellites &satellites() const { return m_satellites; }
    /// The cloud map and the aurora forecast from the user's files; none
    /// until given. Shared, so that a file read in the background replaces
    /// them whole.
    const std::shared_ptr<const weather::CloudMap> &clouds() const { return m_clouds; }
    void setClouds(std::shared_ptr<const weather::CloudMap> clouds);
    const std::shared_ptr<const weather::AuroraForecast> &aurora() const { return m_aurora; }
    void setAurora(std::shared_ptr<const weather::AuroraForecast> aurora);
    /// The file the window reads a cloud map or an aurora forecast from;
    /// empty for none.
    const QString &weatherFile(WeatherSource source) const
    {
        return m_weatherFiles[std::size_t(source)].path;
    }
    void setWeatherFile(WeatherSource source, const QString &path);
    /// Why its last read was refused, for the user; empty when it was read.
    const QString &weatherFileMessage(WeatherSource source) const
    {
        return m_weatherFiles[std::size_t(source)].message;
    }
    void setWeatherFileMessage(WeatherSource source, const QString &message);

    /// The instant the map and readouts show: the clock's now, or the fixed instant.
    QDateTime shownInstant() const;
    bool isShowingNow() const { return !m_fixedInstant; }
    /// Shows a fixed instant, kept within the dates the map computes exactly.
    void setShownInstant(const QDateTime &instant);
    /// Shows now again, following the clock.
    void showNow();

signals:
    /// The selected zone, and with it the marker's place, changed.
    void zoneChanged(const QString &zoneName);
    /// The user chose a zone the system knows (also when it was already selected).
    void zoneChosen(const QString &zoneName);
    void markerPlaceChanged();
    void pinnedZonesChanged();
    void layerShownChanged(MapLayer layer, bool shown);
    void shownInstantChanged();
    /// The view, its centre or its fit changed.
    void viewChanged();
    /// Home, target, the home's elevation or the grey line's band changed.
    void placesChanged();
    /// The cloud map or the aurora forecast changed.
    void weatherChanged();
    /// A weather file, or what its last read said, changed.
    void weatherFilesChanged();

private:
    void setZone(const QString &name);
    /// Looks the pins' time zones up again and says that the pins changed.
    void pinsChanged();

    const TimeZoneTable m_zones;
    const Clock &m_clock;
    std::vector<GeoPoint> m_locationPlaces;
    QString m_zoneName;
    QTimeZone m_timeZone;
    GeoPoint m_markerPlace;
    QStringList m_pinnedZones;
    QList<QTimeZone> m_pinnedTimeZones;
    bool m_zoneSet = false;
    std::array<bool, kMapLayerCount> m_layersShown{};
    std::optional<QDateTime> m_fixedInstant;
    MapView m_view = MapView::PlateCarree;
    std::optional<GeoPoint> m_chosenCentre;
    MapFit m_fit = MapFit::Contain;
    bool m_centreMoving = false;
    std::array<std::optional<ChosenPlace>, kPlaceEnds.size()> m_places;
    double m_homeElevation = 0.0;
    GreyLineBand m_greyLineBand;
    Satellites m_satellites;
    std::shared_ptr<const weather::CloudMap> m_clouds;
    std::shared_ptr<const weather::AuroraForecast> m_aurora;
    struct WeatherFileState
    {
        QString path;
        QString message;
    };
    std::array<WeatherFileState, kWeatherSources.size()> m_weatherFiles;
};
