#pragma once

#include "zones/TimeZoneTable.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTimeZone>

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
    Q_PROPERTY(bool showGrid READ showGrid WRITE setShowGrid NOTIFY showGridChanged)
    Q_PROPERTY(
        bool showLocations READ showLocations WRITE setShowLocations NOTIFY showLocationsChanged)
    Q_PROPERTY(bool showLocationNames READ showLocationNames WRITE setShowLocationNames NOTIFY
                   showLocationNamesChanged)
    Q_PROPERTY(bool showSun READ showSun WRITE setShowSun NOTIFY showSunChanged)
    Q_PROPERTY(bool showMoon READ showMoon WRITE setShowMoon NOTIFY showMoonChanged)
    Q_PROPERTY(bool showTwilightLines READ showTwilightLines WRITE setShowTwilightLines NOTIFY
                   showTwilightLinesChanged)
    Q_PROPERTY(bool showingNow READ isShowingNow NOTIFY shownInstantChanged)

public:
    MapModel(TimeZoneTable zones, const Clock &clock, QObject *parent = nullptr);

    const TimeZoneTable &zones() const { return m_zones; }
    /// The zones the system knows, case-insensitively sorted: what the user picks from.
    const QStringList &offeredZones() const { return m_offeredZones; }
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

    bool showGrid() const { return m_showGrid; }
    void setShowGrid(bool on);
    bool showLocations() const { return m_showLocations; }
    void setShowLocations(bool on);
    bool showLocationNames() const { return m_showLocationNames; }
    void setShowLocationNames(bool on);
    /// The point under the Sun, the Moon in its phase, the twilight lines.
    bool showSun() const { return m_showSun; }
    void setShowSun(bool on);
    bool showMoon() const { return m_showMoon; }
    void setShowMoon(bool on);
    bool showTwilightLines() const { return m_showTwilightLines; }
    void setShowTwilightLines(bool on);

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
    void showGridChanged(bool on);
    void showLocationsChanged(bool on);
    void showLocationNamesChanged(bool on);
    void showSunChanged(bool on);
    void showMoonChanged(bool on);
    void showTwilightLinesChanged(bool on);
    void shownInstantChanged();

private:
    void setZone(const QString &name);
    /// Looks the pins' time zones up again and says that the pins changed.
    void pinsChanged();

    const TimeZoneTable m_zones;
    const Clock &m_clock;
    QStringList m_offeredZones;
    std::vector<GeoPoint> m_locationPlaces;
    QString m_zoneName;
    QTimeZone m_timeZone;
    GeoPoint m_markerPlace;
    QStringList m_pinnedZones;
    QList<QTimeZone> m_pinnedTimeZones;
    bool m_zoneSet = false;
    bool m_showGrid = false;
    bool m_showLocations = false;
    bool m_showLocationNames = false;
    bool m_showSun = false;
    bool m_showMoon = false;
    bool m_showTwilightLines = false;
    std::optional<QDateTime> m_fixedInstant;
};
