#include "app/MyController.h"

#include "app/MainWindow.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "zones/TimeZones.h"
#include "widgets/MapView.h"
#include "readouts/ReadoutTexts.h"
#include "zones/TimeZoneTable.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace {
const QString kDefaultTimeZoneKey = QStringLiteral("DefaultTimeZone");
const QString kMainWindowFrameName = QStringLiteral("MainWindow");

QString titleOf(const QObject *sender)
{
    if (const auto *popUp = qobject_cast<const QComboBox *>(sender))
        return popUp->currentText();
    if (const auto *item = qobject_cast<const QAction *>(sender))
        return item->text();
    return {};
}

void selectTitle(QComboBox *popUp, const QString &title)
{
    if (popUp)
        popUp->setCurrentIndex(popUp->findText(title, Qt::MatchExactly));
}
} // namespace

MyController::MyController(Preferences &preferences, const Clock &clock, const Resources &resources,
                           QObject *parent)
    : QObject(parent), m_preferences(preferences), m_clock(clock), m_resources(resources)
{}

MyController::~MyController() = default;

void MyController::initialize(Preferences &preferences)
{
    preferences.registerDefaults({{kDefaultTimeZoneKey, systemTimeZoneName()}});
}

QString MyController::initialZoneName(const Preferences &preferences, bool *storeIt)
{
    const QString stored = preferences.stringForKey(kDefaultTimeZoneKey);
    const bool known = !stored.isNull() && isKnownTimeZone(stored);
    if (storeIt)
        *storeIt = !known;
    return known ? stored : systemTimeZoneName();
}

std::pair<QString, QString> MyController::clockTexts(const QString &zoneTitle, const QDateTime &now)
{
    const QtZoneCalendar zone(selectedTimeZone(zoneTitle));
    const LocalFields fields = zone.fieldsAt(now.toSecsSinceEpoch());
    return {QString::fromStdString(timeText(fields)), QString::fromStdString(dateText(fields))};
}

void MyController::placeMarker(MapView &mapView, const ZonePlace &place)
{
    mapView.setLatitude(place.latitude);
    mapView.setLongitude(place.longitude);
    mapView.setRawLatitude(place.latitude);
    mapView.setRawLongitude(place.longitude);
}

void MyController::setOutlets(QComboBox *timeZoneMenu, QLabel *timeField, QLabel *dateField,
                              MapView *mapView)
{
    m_timeZoneMenu = timeZoneMenu;
    m_timeField = timeField;
    m_dateField = dateField;
    m_mapView = mapView;
    if (m_timeZoneMenu) {
        connect(m_timeZoneMenu, &QComboBox::activated, this,
                [this] { changeMapDot(m_timeZoneMenu); });
    }
}

void MyController::awakeFromNib()
{
    // 1. The window frame, restored before the geometry is read from the view.
    if (auto *window = qobject_cast<MainWindow *>(m_mapView->window())) {
        window->setFrameAutosaveName(kMainWindowFrameName);
        window->setFrameUsingName(kMainWindowFrameName);
    }

    // 2. The map geometry from the view's bounds.
    const QSize bounds = m_mapView->size();
    m_mapView->applyGeometry(geometryFromSize(float(bounds.width()), float(bounds.height())));

    // 3. The zone pop-up: the valid zones in case-insensitive order.
    m_timeZoneMenu->clear();
    const TimeZoneTable table = TimeZoneTable::load(m_resources);
    m_timeZoneMenu->addItems(table.validSortedNames());

    // 4. The timers; neither fires at once.
    m_timer = std::make_unique<QTimer>();
    m_timer->setInterval(kClockIntervalMs);
    connect(m_timer.get(), &QTimer::timeout, this, &MyController::updateTime);
    m_timer->start();
    m_mapTimer = std::make_unique<QTimer>();
    m_mapTimer->setInterval(kMapIntervalMs);
    connect(m_mapTimer.get(), &QTimer::timeout, this, &MyController::updateMap);
    m_mapTimer->start();

    // 5. The initial zone: the stored one if the system knows it, else the system's.
    bool storeIt = false;
    const QString initial = initialZoneName(m_preferences, &storeIt);
    selectTitle(m_timeZoneMenu, initial);
    if (storeIt)
        m_preferences.setObject(kDefaultTimeZoneKey, initial);

    // 6. The marker on the selected zone's place; 7. the readouts.
    placeMarker(*m_mapView, table.placeOf(m_timeZoneMenu->currentText()));
    m_mapView->showStatistics();
}

void MyController::changeMapDot(QObject *sender)
{
    const TimeZoneTable table = TimeZoneTable::load(m_resources);
    QString zoneName = titleOf(sender);
    if (isKnownTimeZone(zoneName)) {
        m_preferences.setObject(kDefaultTimeZoneKey, zoneName);
    } else {
        beep();
        logLine(QStringLiteral("Time zone doesn't exist on system: %1").arg(zoneName));
        const QString system = systemTimeZoneName();
        if (auto *popUp = qobject_cast<QComboBox *>(sender)) {
            selectTitle(popUp, system);
            zoneName = popUp->currentText();
        } else {
            // A menu item cannot change its own title; place the system's zone.
            zoneName = system;
        }
    }
    selectTitle(m_timeZoneMenu, zoneName);

    placeMarker(*m_mapView, table.placeOf(zoneName));
    m_mapView->update();
    m_mapView->showStatistics();
}

void MyController::updateTime()
{
    // The texts depend only on the zone and the whole second: most ticks find
    // both unchanged and have nothing to do.
    const QDateTime now = m_clock.now();
    const qint64 second = now.toSecsSinceEpoch();
    const QString title = m_timeZoneMenu->currentText();
    if (second == m_shownSecond && title == m_shownZoneTitle)
        return;
    m_shownSecond = second;
    m_shownZoneTitle = title;
    const auto [time, date] = clockTexts(title, now);
    setFieldText(m_timeField, time);
    setFieldText(m_dateField, date);
}

void MyController::updateMap()
{
    m_mapView->showStatistics();
    m_mapView->update();
}

bool MyController::applicationShouldTerminateAfterLastWindowClosed()
{
    if (m_timer)
        m_timer->stop();
    m_timer.reset();
    if (m_mapTimer)
        m_mapTimer->stop();
    m_mapTimer.reset();
    return true;
}
