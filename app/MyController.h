#pragma once

#include <QObject>
#include <QString>

#include <limits>
#include <memory>
#include <utility>

struct ZonePlace;
class Clock;
class MapView;
class Preferences;
class Resources;
class QComboBox;
class QDateTime;
class QLabel;
class QTimer;

/// The application's controller: restores the window, fills the zone pop-up,
/// runs the clock and map timers, follows the user's choice of zone and stops
/// the timers when the last window closes.
class MyController : public QObject
{
    Q_OBJECT

public:
    static constexpr int kClockIntervalMs = 100;
    static constexpr int kMapIntervalMs = 120 * 1000;

    MyController(Preferences &preferences, const Clock &clock, const Resources &resources,
                 QObject *parent = nullptr);
    ~MyController() override;

    /// Registers the default zone, the system's current one. Runs before any
    /// controller exists.
    static void initialize(Preferences &preferences);

    void setOutlets(QComboBox *timeZoneMenu, QLabel *timeField, QLabel *dateField,
                    MapView *mapView);
    /// Start-up, once the outlets are connected.
    void awakeFromNib();
    /// Stops both timers; the application should then end.
    bool applicationShouldTerminateAfterLastWindowClosed();

    QTimer *timer() const { return m_timer.get(); }
    QTimer *mapTimer() const { return m_mapTimer.get(); }

public slots:
    /// A zone was chosen; the sender is the pop-up or a menu item whose title
    /// is the zone's name.
    void changeMapDot(QObject *sender);
    void updateTime();
    void updateMap();

    /// The zone start-up selects: the stored one if the system knows it, else
    /// the system's own (which start-up then stores).
    static QString initialZoneName(const Preferences &preferences, bool *storeIt = nullptr);
    /// The time and date texts for the zone a pop-up title names, at an instant.
    static std::pair<QString, QString> clockTexts(const QString &zoneTitle, const QDateTime &now);
    /// Puts the marker on a place, pixels first, then the raw degrees.
    static void placeMarker(MapView &mapView, const ZonePlace &place);

private:
    Preferences &m_preferences;
    const Clock &m_clock;
    const Resources &m_resources;
    QComboBox *m_timeZoneMenu = nullptr;
    QLabel *m_timeField = nullptr;
    QLabel *m_dateField = nullptr;
    MapView *m_mapView = nullptr;
    std::unique_ptr<QTimer> m_timer;
    std::unique_ptr<QTimer> m_mapTimer;
    qint64 m_shownSecond = std::numeric_limits<qint64>::min();
    QString m_shownZoneTitle;
};
