// The model and the window as main() starts them, on Qt's offscreen platform.
#include "MessageLog.h"
#include "TestApplication.h"
#include "app/PreferencesDialog.h"
#include "app/TimeMachine.h"
#include "astro/Sphere.h"
#include "model/MapViews.h"
#include "model/ShownTexts.h"
#include "model/WeatherTexts.h"
#include "platform/SecondTimer.h"
#include "render/FrameRenderer.h"
#include "widgets/MapWidget.h"
#include "widgets/PlaceField.h"
#include "widgets/PopupArea.h"
#include "widgets/ZoneFinder.h"
#include "zones/LocalZoneNames.h"
#include "zones/TimeZones.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

namespace {
const QDateTime kNoon(QDate(2026, 6, 21), QTime(12, 0), QTimeZone::utc());
const std::vector<TestZone> kZones = {{"UTC", 51.4769, -0.0005},
                                      {"Europe/London", 51.5, -0.1275},
                                      {"Asia/Kolkata", 22.5333, 88.3667},
                                      {"America/New_York", 40.7142, -74.0064}};
using Start = TestApplication::Start;

QStringList titles(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions())
        result << (action->isSeparator() ? QStringLiteral("---") : action->text());
    return result;
}

QAction *action(const QMenu *menu, const QString &title)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == title)
            return action;
        if (QAction *inner = action->menu() ? ::action(action->menu(), title) : nullptr)
            return inner;
    }
    return nullptr;
}

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

// Empties, halves or garbles a file (from just after its first byte), or removes it.
bool applyFault(const QString &path, const QString &fault)
{
    QByteArray bytes = readFile(path);
    if (bytes.isEmpty() || fault == "missing")
        return !bytes.isEmpty() && QFile::remove(path);
    bytes.truncate(fault == "empty" ? 0 : fault == "truncated" ? bytes.size() / 2 : bytes.size());
    for (qsizetype i = 1; fault == "corrupt" && i < bytes.size(); i += 7)
        bytes[i] = char(bytes[i] ^ 0x5a);
    return writeFile(path, bytes);
}
const char *const kFaults[] = {"missing", "empty", "truncated", "corrupt"};

/// Where two texts choose by the same key (Alt+S for "&Satellites" and "&Sea"),
/// which only moves the focus between them: ": " and the second; else empty.
QString sharedKey(const QStringList &texts)
{
    QSet<QString> keys;
    for (const QString &text : texts) {
        const QString key =
            QRegularExpression("&(\\w)").match(QString(text).remove("&&")).captured(1).toLower();
        if (!key.isEmpty() && keys.contains(key))
            return ": " + text;
        keys.insert(key);
    }
    return {};
}

/// Resident memory of this process, in kilobytes.
long residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    const QList<QByteArray> fields =
        statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ') : QList<QByteArray>();
    return fields.size() > 1 ? fields.at(1).toLong() * 4 : 0;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(systemTimeZoneName(), QStringLiteral("UTC")); }

    // A start from stored preferences, and what it writes back (null: nothing).
    void restore_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("start");
        // zone, grid, locations, names, pins; warnings, infos
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QByteArray>("written");
        const auto row = [](const char *name, const QByteArray &file, Start start,
                            const char *expected, const char *written = nullptr) {
            QTest::newRow(name) << file << int(start) << expected << QByteArray(written);
        };
        const QByteArray unknown("[General]\nDefaultTimeZone=Atlantis/Capital\n");
        const auto pins = [](const QByteArray &list) {
            return "[General]\nShowLatLon=true\nPinnedTimeZones=" + list + '\n';
        };
        row("first run stores nothing", {}, Start::Window, "UTC 000, 0 0");
        row("unknown zone replaced and stored", unknown, Start::Window, "UTC 000, 0 0",
            "[General]\nDefaultTimeZone=UTC\n");
        row("unknown zone, headless: kept", unknown, Start::Headless, "UTC 000, 0 0");
        row("an earlier version's file",
            "[General]\nDefaultTimeZone=America/New_York\nShowLatLon=true\nShowLocations=false\n"
            "ShowLocationNames=1\nMainWindow=@Rect(10 20 1440 817)\n",
            Start::Window, "America/New_York 101, 0 0");
        row("one pin", pins("Asia/Kolkata"), Start::Bound, "UTC 100 Asia/Kolkata, 0 0");
        row("pins, unknown skipped", pins("Asia/Kolkata, Mars/Base, Europe/London"), Start::Bound,
            "UTC 100 Asia/Kolkata Europe/London, 0 1");
        row("pins not a list", pins("@Rect(1 2 3 4)"), Start::Bound, "UTC 100, 1 0");
        row("too many pins: the first twelve read",
            pins("UTC" + QByteArray(", Mars/Base").repeated(11) + ", Asia/Kolkata"), Start::Bound,
            "UTC 100 UTC, 1 11");
        row("non-text pin kept out", pins("UTC, @Rect(1 2 3 4)"), Start::Bound, "UTC 100 UTC, 1 0");
    }
    void restore()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, start);
        QFETCH(QString, expected);
        QFETCH(QByteArray, written);
        MessageLog log;
        TestApplication app(kZones, kNoon, file, Start(start));
        MapModel &m = *app.model;
        QStringList pins = m.pinnedZones();
        QCOMPARE(QString::asprintf(
                     "%s %d%d%d%s, %d %d", qPrintable(m.zoneName()), m.isLayerShown(MapLayer::Grid),
                     m.isLayerShown(MapLayer::Locations), m.isLayerShown(MapLayer::LocationNames),
                     qPrintable((QStringList{""} + pins).join(' ')), int(log.warnings().size()),
                     int(log.infos().filter("Pinned").size())),
                 expected);
        QCOMPARE(readFile(app.preferences->filePath()), written.isNull() ? file : written);
        if (start != Start::Headless) {
            m.pinZone("America/New_York");
            QCOMPARE(app.stored("PinnedTimeZones").toStringList(), pins << "America/New_York");
        }
    }

    // Each layer stores itself alone under the key earlier versions used, notified once per change.
    void layersAreStored_data()
    {
        QTest::addColumn<MapLayer>("layer");
        for (const auto &[key, layer] : {std::pair{"ShowLatLon", MapLayer::Grid},
                                         {"ShowLocations", MapLayer::Locations},
                                         {"ShowLocationNames", MapLayer::LocationNames},
                                         {"ShowSun", MapLayer::Sun},
                                         {"ShowMoon", MapLayer::Moon},
                                         {"ShowTwilightLines", MapLayer::TwilightLines}})
            QTest::newRow(key) << layer;
    }
    void layersAreStored()
    {
        QFETCH(MapLayer, layer);
        TestApplication app(kZones, kNoon, {}, Start::Bound);
        QSignalSpy spy(app.model.get(), &MapModel::layerShownChanged);
        for (const bool on : {true, true, false, true})
            app.model->setLayerShown(layer, on);
        QCOMPARE(spy.count(), 3);
        QStringList stored;
        for (const MapLayerInfo &info : kMapLayers)
            stored << app.stored(info.storedKey).toString();
        QCOMPARE(stored.join(' ').trimmed(), "true");
        QCOMPARE(app.stored(QTest::currentDataTag()).toString(), "true");
    }

    // A zone chosen over the stored London, then the readouts of now or of a fixed instant, kept
    // within 1900-03-01 to 2100-02-28 UTC. A vanished zone leaves the system's showing and the
    // stored one; a known one not in the table puts the marker at 0, 0.
    void zoneAndInstant_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected"); // place, store, changes; readouts at the instant
        const auto row = [](const char *input, const QString &expected) {
            QTest::newRow(input) << input << expected;
        };
        const QString kolkata = "Asia/Kolkata at 22.5333 88.3667, stored Asia/Kolkata, 1, chosen, ";
        row("Asia/Kolkata now 18:30:00",
            kolkata + "0:00:00 IST +0530|Monday, June 22, 2026|Sunrise:  4:53");
        row("Asia/Kolkata fixed 18:29:59",
            kolkata + "23:59:59 IST +0530|Sunday, June 21, 2026|Sunrise:  4:52");
        row("Europe/London now 12:00:00",
            "Europe/London at 51.5 -0.1275, stored Europe/London, "
            "0, chosen, 13:00:00 BST +0100|Sunday, June 21, 2026|Sunrise:  4:43");
        row("Gone/Zone now 12:00:00", "UTC at 51.4769 -0.0005, stored Europe/London, 1, refused, "
                                      "12:00:00 UTC +0000|Sunday, June 21, 2026|Sunrise:  3:42");
        row("Asia/Tokyo now 12:00:00", " at 0 0, stored Asia/Tokyo, 1, chosen, 12:00:00 UTC "
                                       "+0000|Sunday, June 21, 2026|Sunrise:  5:58");
        row("UTC fixed 1900-02-28T23:59:59Z",
            "UTC at 51.4769 -0.0005, stored UTC, 1, chosen, "
            "0:00:00 UTC +0000|Thursday, March 1, 1900|Sunrise:  6:45");
        row("UTC fixed 2100-03-01T00:00:00Z",
            "UTC at 51.4769 -0.0005, stored UTC, 1, chosen, "
            "23:59:59 UTC +0000|Sunday, February 28, 2100|Sunrise:  6:46");
    }
    void zoneAndInstant()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const QStringList in = input.split(' ');
        const QDateTime instant =
            in[2].contains('T')
                ? QDateTime::fromString(in[2], Qt::ISODate)
                : QDateTime(kNoon.date(), QTime::fromString(in[2]), QTimeZone::utc());
        TestApplication app(kZones, kNoon, "[General]\nDefaultTimeZone=Europe/London\n",
                            Start::Bound);
        MapModel &model = *app.model;
        QSignalSpy changed(&model, &MapModel::zoneChanged);
        QSignalSpy moved(&model, &MapModel::markerPlaceChanged);
        QSignalSpy chosenSpy(&model, &MapModel::zoneChosen);
        MessageLog log;
        const bool chosen = model.selectZone(in[0]);
        QSignalSpy shown(&model, &MapModel::shownInstantChanged);
        if (in[1] == "fixed")
            model.setShownInstant(instant);
        else
            app.clock.setNow(instant);
        app.clock.advance(in[1] == "fixed" ? 3600 * 1000 : 0);
        const ClockTexts clock = clockTexts(model);
        QCOMPARE(QStringLiteral("%1 at %2 %3, stored %4, %5, %6, ")
                         .arg(model.zoneName())
                         .arg(model.markerPlace().latitude)
                         .arg(model.markerPlace().longitude)
                         .arg(app.stored("DefaultTimeZone").toString())
                         .arg(changed.count())
                         .arg(chosen ? "chosen" : "refused") +
                     clock.time + '|' + clock.date + '|' + placeTexts(model, kSmallPreset).sunrise,
                 expected);
        QCOMPARE(moved.count(), changed.count());
        QCOMPARE(chosenSpy.count(), chosen ? 1 : 0);
        // A plain log line, not a warning.
        QCOMPARE(log.infos(), chosen ? QStringList()
                                     : QStringList{"Time zone doesn't exist on system: " + in[0]});
        QVERIFY(log.warnings().isEmpty());
        model.setShownInstant(instant); // once per change
        QCOMPARE(shown.count(), 1);
        model.showNow();
        QCOMPARE(model.shownInstant(), app.clock.now());
    }

    // Sorted, so New York comes first; a zone not offered shows none selected.
    void zoneFromThePopUp()
    {
        TestApplication app(kZones, kNoon);
        auto *popUp = app.child<QComboBox>("zoneComboBox");
        popUp->setCurrentIndex(0);
        emit popUp->activated(0);
        QCOMPARE(app.stored("DefaultTimeZone").toString() + ", " + app.text("latitudeField") +
                     ", " + app.text("timeField"),
                 "America/New_York, Latitude:  40° 42' 51\" N, 8:00:00 EDT -0400");
        app.model->selectZone("Asia/Tokyo");
        QCOMPARE(popUp->currentIndex(), -1);
    }

    // The menu below the display actions; y counts up. Lagos (10 N) and Accra (10 W) are
    // just not near the origin; "Not/AZone" is near but unknown to the system.
    void contextMenu_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<QString>("expected");
        QTest::newRow("small, origin: open 10-degree bounds")
            << false << QPoint(360, 180) << "---, Africa/Abidjan, Europe/London, ";
        QTest::newRow("small, nothing near") << false << QPoint(100, 300) << "";
        QTest::newRow("small, across the 180th meridian")
            << false << QPoint(719, 180) << "---, Pacific/Fiji, ";
        // The large map, as high as a laptop's screen leaves room for: 1334x667.
        QTest::newRow("large, 35 N 70 E") << true << QPoint(926, 463) << "---, Asia/Kabul, ";
    }
    // In the azimuthal view the map's menu finds the place under the click
    // through the view and centres the map there; a drag moves the centre
    // and stores it once, when the button is let go; the view is kept.
    // View → Centre On → Selected Zone centres every view on the zone's place; the default
    // centre is Greenwich in the world maps and the zone in the others.
    void centreOn()
    {
        TestApplication app({{"Asia/Kolkata", 22.5, 88.4}}, kNoon);
        QVERIFY(app.model->selectZone("Asia/Kolkata"));
        MapWidget &map = *app.window->mapWidget();
        const QMenu *menu = app.child<QMenu>("menuView");
        const auto centredOn = [&map](const GeoPoint &place) {
            return std::abs(map.pointOf(place)->x() - map.width() / 2.0) < 0.5;
        };
        QStringList zoneInTheMiddle;
        for (const MapViewInfo &info : kMapViews) {
            app.model->setView(info.view);
            action(menu, "Default Centre")->trigger();
            if (centredOn({22.5, 88.4}))
                zoneInTheMiddle << info.name;
            else
                QVERIFY(centredOn({0.0, 0.0}));
            action(menu, "Selected Zone")->trigger();
            QVERIFY2(centredOn({22.5, 88.4}), info.name);
        }
        QCOMPARE(zoneInTheMiddle.join(' '), "azimuthal globe");
    }

    // Names in the user's language: a zone's own city as CLDR names it, on the map, in the
    // clocks and in the row; another of a city's names kept as typed.
    void localNames_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a zone's city") << "de_DE"
                                       << "Tokyo"
                                       << "Tokio";
        QTest::newRow("another name") << "de_DE"
                                      << "München"
                                      << "München";
        QTest::newRow("the list's own, mended") << "de_DE"
                                                << "munich"
                                                << "Munich";
        QTest::newRow("Ukrainian") << "uk_UA"
                                   << "Kiev"
                                   << "Київ";
        QTest::newRow("English") << "en_GB"
                                 << "Tokyo"
                                 << "Tokyo";
    }
    void localNames()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        const places::PlaceResult found = placeNamedBy(typed);
        QVERIFY(found.ok);
        QCOMPARE(QString::fromStdString(found.place.name), shown);
        const QString zone = QString::fromStdString(found.place.zone);
        if (found.place.name == localCityName(zone).toStdString()) {
            TestApplication app({{zone, found.place.point.latitude, found.place.point.longitude}},
                                kNoon, "[General]\nPinnedTimeZones=" + zone.toUtf8() + "\n");
            QVERIFY(app.child("pinField")->text().startsWith(shown + "  "));
            QCOMPARE(cityOf(zone), shown);
        }
    }

    // Help → Keyboard Shortcuts, a key of its own, lists the keys of the submenus too; the
    // world clocks are in the Tab order; keys move the centre.
    void keyboard()
    {
        TestApplication app(kZones, kNoon, "[General]\nPinnedTimeZones=Asia/Kolkata\n");
        app.window->show();
        QVERIFY(QTest::qWaitForWindowActive(app.window.get()));
        QTest::keySequence(app.window.get(), QKeySequence(Qt::Key_F1));
        const auto *list = app.window->findChild<QTreeWidget *>();
        QVERIFY(list);
        QStringList listed;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            listed << list->topLevelItem(i)->text(0) + '=' + list->topLevelItem(i)->text(1);
        for (const QString entry : {"Globe=Ctrl+3", "Move East=Alt+Shift+Right"})
            QVERIFY2(listed.contains(entry), qPrintable(listed.join(", ")));
        // The Menu key on a world clock offers to unpin it.
        QLabel *clock = app.child("pinField");
        QCOMPARE(clock->focusPolicy(), Qt::TabFocus);
        clock->setFocus();
        QTest::keySequence(app.window.get(), QKeySequence(Qt::Key_Menu));
        const auto *menu = clock->findChild<QMenu *>();
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->actions().constFirst()->text(), "Unpin Asia/Kolkata");
        const_cast<QMenu *>(menu)->close();
        for (const QString key : {"Alt+Shift+Right", "Alt+Shift+Up", "Alt+Shift+Up"})
            QTest::keySequence(app.window.get(), QKeySequence(key));
        QCOMPARE(app.model->viewCentre(), GeoPoint(30.0, 15.0));
        // The screen sets a maximized window's size: no zoom.
        app.window->showMaximized();
        QTRY_VERIFY(!app.child<QAction>("actionZoom")->isEnabled());
        app.window->showNormal();
        QTRY_VERIFY(app.child<QAction>("actionZoom")->isEnabled());
    }

    void viewsFromTheWindow()
    {
        TestApplication app({{"Europe/London", 51.5, -0.1}, {"Africa/Lagos", 6.5, 3.4}}, kNoon,
                            "[General]\nProjection=azimuthal\nProjectionCentre=\"0,0\"\n");
        MapWidget &map = *app.window->mapWidget();
        QCOMPARE(map.width(), map.height()); // a disc's own shape
        const QPointF london = *map.pointOf({51.5, -0.1});
        std::unique_ptr<QMenu> menu(map.contextMenuAt(london.toPoint()));
        QVERIFY(titles(menu.get()).contains("Europe/London"));
        const auto actions = menu->actions();
        (*std::find_if(actions.begin(), actions.end(), [](QAction *a) {
            return a->text() == "Centre Map Here";
        }))->trigger();
        const GeoPoint centre = *app.model->chosenCentre();
        QVERIFY(std::abs(centre.latitude - 51.5) < 2 && std::abs(centre.longitude + 0.1) < 2);
        const QVariant stored = app.stored("ProjectionCentre");
        const QPoint middle(map.width() / 2, map.height() / 2);
        QTest::mousePress(&map, Qt::LeftButton, {}, middle);
        QMouseEvent move(QEvent::MouseMove, middle + QPoint(0, 30), map.mapToGlobal(middle),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&map, &move);
        QVERIFY(app.model->viewCentre().latitude > centre.latitude + 1.0); // the north came down
        QCOMPARE(app.stored("ProjectionCentre"), stored);
        // Sideways too, the place grabbed stays under the pointer.
        const QPoint across = middle + QPoint(25, 5);
        QMouseEvent sideways(QEvent::MouseMove, across, map.mapToGlobal(across), Qt::NoButton,
                             Qt::LeftButton, {});
        QApplication::sendEvent(&map, &sideways);
        QVERIFY(sphere::distanceAndBearing(*map.placeAt(across), centre).distanceRad < 1e-3);
        QTest::mouseRelease(&map, Qt::LeftButton, {}, across);
        QCOMPARE(app.stored("ProjectionCentre").toString(), centreText(app.model->viewCentre()));
        QCOMPARE(app.stored("Projection").toString(), "azimuthal");
        QVERIFY(map.pointerText(centre).contains(" km from the centre, bearing "));
        // The readout always fits: in a narrower view the locator goes first, then the
        // coordinates, then the distance. Which of them each width shows:
        const GeoPoint far{-33.9, 151.2};
        const QFontMetrics metrics(map.font());
        for (const auto &[side, parts] :
             {std::pair(2000, "° S QF56oc km"), {360, "QF56oc km"}, {150, "° S"}, {60, ""}}) {
            map.resize(side, side);
            const QString text = map.pointerText(far);
            QVERIFY2(metrics.horizontalAdvance(text) <= side - 16, qPrintable(text));
            QStringList shown;
            for (const QString part : {"° S", "QF56oc", "km"})
                if (text.contains(part))
                    shown << part;
            QCOMPARE(shown.join(' '), parts);
        }
    }

    // A satellite's tooltip on the map, within a symbol's reach and while the
    // layer shows, and its next pass in the row below home's.
    void satellitesInTheWindow()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("iss.tle");
        QVERIFY(writeFile(
            file, "ISS (ZARYA)\n"
                  "1 25544U 98067A   26171.50000000  .00016717  00000-0  30057-3 0  9992\n"
                  "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.50377579432715\n"));
        TestApplication app(
            kZones, kNoon,
            "[General]\nHomePlace=\"52.52,13.405\"\nSatelliteElementsFile=" + file.toUtf8() + '\n');
        QTRY_VERIFY(!app.model->satellites().shown().empty());
        const MapWidget &map = *app.window->mapWidget();
        const QPointF at = *map.pointOf(
            app.model->satellites().at(kNoon.toSecsSinceEpoch(), {}).front().place.subPoint);
        QVERIFY(map.satelliteDetailsAt(at + QPointF(4, 3)).endsWith("\nElements 1.0 days old"));
        QCOMPARE(map.satelliteDetailsAt(at + QPointF(0, 2 * map.fontMetrics().height())), "");
        app.model->setLayerShown(MapLayer::Satellites, false);
        QCOMPARE(map.satelliteDetailsAt(at), "");
        // The next pass is after midnight, on the following day.
        const QString passes = app.window->findChildren<QLabel *>("homeTargetField").at(3)->text();
        QCOMPARE(passes, "Passes ISS (ZARYA) visible Mon 1:21, 10°");
    }

    // Home and target from the map's menu, the preferences and a double-click,
    // and the row that tells of them under the readouts.
    void homeAndTargetFromTheWindow()
    {
        TestApplication app({{"Europe/London", 51.5, -0.1}, {"Asia/Tokyo", 35.7, 139.7}}, kNoon);
        MapWidget &map = *app.window->mapWidget();
        const QSize mapSize = map.size();
        const int windowHeight = app.window->height();
        const auto choose = [&map](const GeoPoint &place, const QString &title) {
            std::unique_ptr<QMenu> menu(map.contextMenuAt(map.pointOf(place)->toPoint()));
            for (QAction *action : menu->actions())
                if (action->text() == title)
                    action->trigger();
        };
        choose({51.5, -0.1}, "Set Home Here");
        const QString home = app.stored("HomePlace").toString();
        QVERIFY2(home.startsWith("51.") && app.model->place(PlaceEnd::Home), qPrintable(home));
        choose({35.7, 139.7}, "Set Target Here");
        const auto fields = app.window->findChildren<QLabel *>("homeTargetField");
        QStringList shown;
        for (const QLabel *field : fields)
            shown << (field->isVisibleTo(app.window.get()) ? field->text().section(' ', 0, 0)
                                                           : "-");
        QCOMPARE(shown.join(' '), "Home Target SP -");
        // The grey line ends at home's time, whatever zone the clock shows.
        app.model->selectZone("Asia/Tokyo");
        const std::vector<astro::TimeSpan> windows = greyLineWindowsAhead(*app.model);
        QVERIFY(!windows.empty());
        const QString end = QDateTime::fromSecsSinceEpoch(std::llround(windows.front().end))
                                .toTimeZone(QTimeZone("Europe/London"))
                                .toString("H:mm");
        QVERIFY2(fields.at(2)->text().endsWith(end + " (home time)"),
                 qPrintable(fields.at(2)->text()));
        // The window keeps its height: the map gives way to the rows, in its own shape.
        QCOMPARE(app.window->height(), windowHeight);
        QVERIFY(map.height() <= mapSize.height() - 3 * fields.at(0)->sizeHint().height());
        QCOMPARE(map.width(), 2 * map.height());
        QVERIFY(map.pointerText({51.5, -0.1}).endsWith(" · IO91wm"));

        // A double-click takes the zone of the nearest city.
        const QPointF tokyo = *map.pointOf({35.69, 139.69});
        QTest::mouseDClick(&map, Qt::LeftButton, {}, tokyo.toPoint());
        QCOMPARE(app.model->zoneName(), "Asia/Tokyo");

        // The preferences take any form of place, and say what is wrong with one.
        PreferencesDialog dialog(*app.model, {});
        PlaceField *homeField = dialog.findChildren<PlaceField *>().at(0);
        QCOMPARE(homeField->text(), home);
        // Wide enough for its placeholder, and for a place in degrees, minutes and seconds.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QFontMetrics metrics(homeField->font());
        for (const QString &text :
             QStringList{homeField->placeholderText(), "52° 31' 12\" N, 113° 24' 36\" W"})
            QVERIFY2(homeField->width() >= metrics.horizontalAdvance(text) + 8, qPrintable(text));
        for (const auto &[typed, problem, kept] :
             {std::tuple{"JO6", true, home}, {"Springfield", false, "Springfield"}}) {
            homeField->setText(typed);
            emit homeField->textEdited(typed);
            emit homeField->editingFinished();
            QCOMPARE(app.stored("HomePlace").toString(), kept);
            QCOMPARE(!dialog.findChild<QLabel *>("placeProblem")->isHidden(), problem);
        }
        QVERIFY(homeField->listedCities().contains("Springfield, IL"));
        // A world clock a day ahead says by how many.
        app.model->selectZone("Europe/London");
        app.model->pinZone("Asia/Tokyo");
        app.model->setShownInstant(kNoon.addSecs(9 * 3600));
        QCOMPARE(pinTexts(*app.model).at(0).dayShift, "+1 day");
        // No sunrise or sunset that is not real: the midsummer Sun over Svalbard.
        const QString svalbard = "78.22, 15.65";
        app.model->setPlace(PlaceEnd::Target, ChosenPlace{svalbard, placeNamedBy(svalbard).place});
        QVERIFY2(fields.at(1)->text().contains("· polar day ·"), qPrintable(fields.at(1)->text()));
    }

    // The weather files as stored, chosen and cleared in the preferences, and
    // read again when they change; one refused says why, and the map goes on.
    void weatherFiles()
    {
        QTemporaryDir files;
        const QString clouds = files.filePath("clouds.png"), aurora = files.filePath("aurora.json");
        QImage grey(64, 32, QImage::Format_Grayscale8);
        grey.fill(200);
        QVERIFY(grey.save(clouds));
        QByteArray points;
        for (int longitude = 0; longitude < 360; ++longitude)
            for (int latitude = -90; latitude <= 90; ++latitude)
                points += QByteArray(points.isEmpty() ? "" : ",") + '[' +
                          QByteArray::number(longitude) + ',' + QByteArray::number(latitude) +
                          ",50]";
        QVERIFY(writeFile(aurora, "{\"Observation Time\": \"2026-06-21T11:00:00Z\", "
                                  "\"Forecast Time\": \"2026-06-21T11:30:00Z\", "
                                  "\"coordinates\": [" +
                                      points + "]}"));
        TestApplication app(kZones, kNoon,
                            "[General]\nCloudMapFile=" + clouds.toUtf8() +
                                "\nAuroraForecastFile=" + clouds.toUtf8() + '\n');
        MapModel &model = *app.model;
        QTRY_VERIFY(model.clouds() && !model.weatherFileMessage(WeatherSource::Aurora).isEmpty());
        QVERIFY(!model.aurora());
        QVERIFY(model.weatherFileMessage(WeatherSource::Clouds).isEmpty());
        QCOMPARE(weatherAges(model, kNoon).back().text,
                 "Aurora forecast \"clouds.png\" not shown: not JSON: illegal value at byte 1");

        // In the user's language, the reason too.
        QTranslator pseudo;
        QVERIFY(pseudo.load(QStringLiteral(PSEUDO_CATALOGUE)));
        QCoreApplication::installTranslator(&pseudo);
        const QString missing =
            readWeatherSource(WeatherSource::Clouds, files.filePath("none.png")).message;
        QCoreApplication::removeTranslator(&pseudo);
        QVERIFY2(!missing.contains("no such file"), qPrintable(missing));

        PreferencesDialog dialog(model, {});
        const auto field = [&](const QString &name) {
            for (QLineEdit *edit : dialog.findChildren<QLineEdit *>())
                if (edit->accessibleName() == name)
                    return edit;
            return (QLineEdit *)nullptr;
        };
        QCOMPARE(field("Cloud map file")->text(), clouds);
        QLabel *problem = dialog.findChild<QLabel *>("weatherProblem");
        QVERIFY(!problem->isHidden() && problem->text().startsWith("Aurora forecast"));
        // A path typed in is taken, stored and read; a clear empties it.
        field("Aurora forecast file")->setText(aurora);
        emit field("Aurora forecast file")->editingFinished();
        QCOMPARE(app.stored("AuroraForecastFile").toString(), aurora);
        QTRY_VERIFY(model.aurora());
        QVERIFY(problem->isHidden());
        QCOMPARE(weatherAges(model, kNoon).back().text, "Aurora 30 min old");
        // The map, and its corner's ages, follow the minutes.
        QSignalSpy painted(app.window->mapWidget(), &MapWidget::framePainted);
        app.window->show();
        QVERIFY(painted.wait());
        painted.clear();
        app.clock.advance(60 * 1000);
        QVERIFY(painted.wait());
        for (QPushButton *button : dialog.findChildren<QPushButton *>())
            if (button->accessibleName() == "Clear the cloud map file")
                button->click();
        QCOMPARE(app.stored("CloudMapFile").toString(), "");
        QTRY_VERIFY(!model.clouds());
        QVERIFY(field("Cloud map file")->text().isEmpty());
        // A forecast rewritten badly is refused in its turn.
        QVERIFY(writeFile(aurora, "{}"));
        QTRY_VERIFY(!model.aurora());
        QVERIFY(!problem->isHidden() && problem->text().contains("\"Observation Time\""));
    }

    void contextMenu()
    {
        QFETCH(bool, large);
        QFETCH(QPoint, click);
        QFETCH(QString, expected);
        TestApplication app({{"Europe/London", 9.9, -9.9},
                             {"Africa/Lagos", 10.0, 0.0},
                             {"Africa/Accra", 0.0, -10.0},
                             {"Africa/Abidjan", -5.0, 5.0},
                             {"Not/AZone", 1.0, 1.0},
                             {"Pacific/Fiji", 0.0, -179.5},
                             {"Asia/Kabul", 34.5, 69.2}},
                            kNoon);
        if (large)
            app.window->zoom();
        MapWidget &map = *app.window->mapWidget();
        std::unique_ptr<QMenu> menu(map.contextMenuAt({click.x(), map.height() - click.y()}));
        const QStringList shown = titles(menu.get());
        QCOMPARE(shown.join(", "),
                 "Show Latitude/Longitude Grid, Show Locations, " + expected +
                     "---, Centre Map Here, Set Home Here, Set Target Here, Pin, More Layers");
        QCOMPARE(titles(menu->actions().last()->menu()),
                 (QStringList{"Show Sun", "Show Moon", "Show Twilight Lines", "Show Range Rings",
                              "Hide Paths to Target", "Show Locator Grid", "Hide Eclipses",
                              "Hide Satellites", "Hide Clouds", "Hide Aurora"}));
        // F11 for full screen on every desktop, where Qt's standard key is often empty.
        QVERIFY(app.child<QAction>("actionFullScreen")->shortcuts().contains(Qt::Key_F11));
        // The View menu shows the same actions; they flip the layers, stored, and their own titles.
        for (const QString verb : {"Hide", "Show"}) {
            for (QAction *action : menu->actions().mid(0, 2)) {
                QVERIFY(app.child<QMenu>("menuView")->actions().contains(action));
                action->trigger();
            }
            QCOMPARE(titles(menu.get()).mid(0, 2),
                     (QStringList{verb + " Latitude/Longitude Grid", verb + " Locations"}));
            QCOMPARE(app.stored("ShowLatLon").toString() + app.stored("ShowLocations").toString(),
                     verb == "Hide" ? "truetrue" : "falsefalse");
        }
        if (expected.isEmpty())
            return;
        // The last zone near, chosen and pinned.
        const QString zone = shown.at(shown.size() - 7);
        menu->actions().at(shown.size() - 7)->trigger();
        QMenu *pins = menu->actions().at(shown.size() - 2)->menu();
        QCOMPARE(titles(pins).last(), zone);
        pins->actions().last()->trigger();
        QCOMPARE(app.stored("PinnedTimeZones").toString() + ' ' +
                     app.stored("DefaultTimeZone").toString() + ' ' +
                     app.child<QComboBox>("zoneComboBox")->currentText(),
                 zone + ' ' + zone + ' ' + zone);
    }

    // The zone finder from the keyboard: typed text, "<enter>" or "<escape>";
    // then what the list under the box shows, the box's text and the zone.
    void zoneFinder_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *steps, const char *expected) {
            QTest::newRow(name) << QString(steps).split('|') << QString(expected);
        };
        row("typed, the best match ready", "new york",
            "New York, America/New_York | new york | UTC");
        row("Enter chooses it", "new york|<enter>", " | America/New_York | America/New_York");
        row("no match: said, and Enter does nothing", "atlantis|<enter>",
            "No zone matches “atlantis” | atlantis | UTC");
        row("Escape gives the zone back", "kolk|<escape>", " | UTC | UTC");
        row("a city finds its zone", "mumbai|<enter>", " | Asia/Kolkata | Asia/Kolkata");
        row("Enter with the list closed opens it, the more populous first", "<set>a|<enter>",
            "Kolkata, Asia/Kolkata, New York, America/New_York | a | UTC");
        row("and a second Enter chooses", "<set>a|<enter>|<enter>",
            " | Asia/Kolkata | Asia/Kolkata");
    }
    void zoneFinder()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        TestApplication app(kZones, kNoon);
        app.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        ZoneFinder &finder = *app.window->zoneFinder();
        QLineEdit *edit = app.child<QComboBox>("zoneComboBox")->lineEdit();
        edit->setFocus();
        edit->selectAll(); // typed over, as a click into the box leaves it
        for (const QString &step : steps) {
            QWidget *keys =
                QApplication::activePopupWidget() ? QApplication::activePopupWidget() : edit;
            if (step == "<enter>")
                QTest::keyClick(keys, Qt::Key_Return);
            else if (step == "<escape>")
                QTest::keyClick(keys, Qt::Key_Escape);
            else if (step.startsWith("<set>"))
                edit->setText(step.mid(5)); // as if the list had been closed
            else
                QTest::keyClicks(edit, step);
        }
        QCOMPARE(finder.shownMatches().join(", ") + " | " + edit->text() + " | " +
                     app.model->zoneName(),
                 expected);
    }

    // From a crowded spot the map's menu opens at the point within the screen,
    // below it or, near the screen's foot, above it; where the window's place
    // is unknown (Wayland), within the window. Its submenus, wherever Qt puts
    // them, keep there too, and every zone near is in them, once to choose
    // and once to pin.
    // A pop-up beside its anchor: below when it fits or there is more room
    // below, else above; cut to the room; moved sideways into the area.
    void popupBesideItsAnchor_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("room below")
            << QRect(100, 100, 50, 20) << QSize(200, 300) << QRect(100, 120, 200, 300);
        QTest::newRow("more room above")
            << QRect(100, 600, 50, 20) << QSize(200, 300) << QRect(100, 300, 200, 300);
        QTest::newRow("cut to the room below")
            << QRect(100, 300, 50, 20) << QSize(200, 900) << QRect(100, 320, 200, 380);
        QTest::newRow("cut to the room above")
            << QRect(100, 500, 50, 20) << QSize(200, 900) << QRect(100, 0, 200, 500);
        QTest::newRow("moved left at the edge")
            << QRect(950, 100, 50, 20) << QSize(200, 100) << QRect(800, 120, 200, 100);
        QTest::newRow("wider than the area")
            << QRect(10, 100, 50, 20) << QSize(1500, 100) << QRect(0, 120, 1000, 100);
    }
    void popupBesideItsAnchor()
    {
        QFETCH(QRect, anchor);
        QFETCH(QSize, size);
        QFETCH(QRect, placed);
        QCOMPARE(placeBeside(anchor, size, QRect(0, 0, 1000, 700)), placed);
    }

    void contextMenuFitsTheScreen_data()
    {
        QTest::addColumn<double>("heightShare"); // of the point down the screen
        QTest::addColumn<bool>("placeKnown");
        QTest::newRow("top") << 0.05 << true;
        QTest::newRow("foot") << 0.95 << true;
        QTest::newRow("place unknown, near the top") << 0.15 << false;
        QTest::newRow("place unknown, foot") << 0.95 << false;
    }
    void contextMenuFitsTheScreen()
    {
        QFETCH(double, heightShare);
        QFETCH(bool, placeKnown);
        setWindowPlaceKnown(placeKnown);
        const auto restore = qScopeGuard([] { setWindowPlaceKnown(true); });
        std::vector<TestZone> zones;
        for (const QByteArray &id : QTimeZone::availableTimeZoneIds()) {
            if (id.startsWith("Europe/") && zones.size() < 40)
                zones.push_back(
                    {QString::fromLatin1(id), 50.0, 10.0 + 0.01 * double(zones.size())});
        }
        TestApplication app(zones, kNoon);
        MapWidget &map = *app.window->mapWidget();
        app.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        const QRect screen = map.screen()->availableGeometry();
        const QPoint point(map.width() * 190 / 360, map.height() * 40 / 180); // 50 N 10 E
        const QPoint spot = map.mapToGlobal(point);
        // The window moved so that the spot sits at that height on the screen.
        app.window->move(app.window->pos() +
                         QPoint(0, int(screen.top() + heightShare * screen.height()) - spot.y()));
        const QRect area =
            placeKnown ? screen : QRect(app.window->mapToGlobal(QPoint(0, 0)), app.window->size());
        const QPoint global = map.mapToGlobal(point);
        QMenu *menu = map.openContextMenu(point);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QVERIFY(menu->geometry().top() == global.y() ||
                menu->geometry().bottom() + 1 == global.y());
        QStringList reached;
        const std::function<void(QMenu *)> walk = [&](QMenu *shown) {
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            QVERIFY2(area.contains(shown->geometry()), qPrintable(shown->title()));
            for (QAction *action : shown->actions()) {
                if (action->data().isValid())
                    reached << action->text();
                else if (action->menu() && action->text() != "More Layers") {
                    action->menu()->popup(area.bottomRight());
                    walk(action->menu());
                }
            }
        };
        walk(menu);
        for (const TestZone &zone : zones)
            QCOMPARE(reached.count(zone.name), 2);
        menu->close();
    }

    // On a 1366x768 screen: the restored window's size, its map's place in the map's area,
    // the size a zoom goes to and, when it was kept, the window's place. With world clocks,
    // home and target the zoom still fits the screen, and a second zoom comes back exactly.
    void savedFrames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("pins");
        const auto row = [](const char *name, const char *frame, const char *expected,
                            int pins = 0) {
            QTest::newRow(name) << QByteArray(frame) << expected << pins;
        };
        row("large", "@Rect(10 20 1440 817)", "1362x764 1334x667+14+0, zoom 720x457");
        row("small", "@Rect(10 20 720 457)", "720x457 720x360+0+0, zoom 1334x764 at 10,20");
        row("wide", "@Rect(10 20 1600 500)", "1362x500 806x403+278+0, zoom 720x457 at 0,20");
        row("tall, small width", "@Rect(10 20 720 900)", "720x764 720x360+0+153, zoom 1334x764");
        row("odd width", "@Rect(10 20 1001 700)", "1001x700 1000x500+0+51, zoom 720x457");
        row("below the smallest", "@Rect(10 20 9 9)", "670x337 480x240+95+0, zoom 1334x764");
        row("too large", "@Rect(10 20 40000 600)", "720x457 720x360+0+0, zoom 1334x764 at 10,20");
        row("width beyond int", "@Rect(-2147483648 0 -2147483647 101)", "720x457 720x360+0+0");
        row("not a frame", "garbage", "720x457 720x360+0+0, zoom 1334x764");
        row("at the top, pinned", "@Rect(0 0 720 457)",
            "720x457 648x324+36+0, zoom 1294x764 at 0,0", 4);
        row("eleven clocks, home and target", "", "720x605 720x360+0+0, zoom 1166x764", 11);
    }
    void savedFrames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QString, expected);
        QFETCH(int, pins);
        std::vector<TestZone> zones = kZones;
        for (const char *zone :
             {"Asia/Tokyo", "Europe/Berlin", "Australia/Sydney", "America/Sao_Paulo",
              "Africa/Lagos", "Asia/Dubai", "Pacific/Auckland"})
            zones.push_back({zone, 10.0, 10.0});
        QByteArrayList stored{"[General]"};
        if (!frame.isEmpty())
            stored << "MainWindow=" + frame;
        if (pins > 0) {
            QByteArrayList pinned;
            for (int i = 0; i < pins; ++i)
                pinned << zones.at(i).name.toUtf8();
            stored << "PinnedTimeZones=" + pinned.join(", ");
        }
        if (pins > 4)
            stored << "HomePlace=\"52.52,13.405\""
                   << "TargetPlace=\"35.68,139.69\"";
        TestApplication app(zones, kNoon, stored.join('\n') + '\n');
        MainWindow &window = *app.window;
        const QWidget &map = *window.mapWidget();
        const auto shown = [&] {
            return QString::asprintf("%dx%d %dx%d+%d+%d", window.width(), window.height(),
                                     map.width(), map.height(), map.x(), map.y());
        };
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents(); // brought within the screen
        const QString restored = shown(),
                      place = QStringLiteral(" at %1,%2").arg(window.x()).arg(window.y());
        // The readouts keep their height; the layout agrees with the map's place.
        QCOMPARE(map.parentWidget()->height(), window.height() - window.belowMapHeight());
        const QRect before = window.geometry(), beforeFrame = window.frameGeometry();
        const QRect screen = window.screen()->availableGeometry();
        window.zoom();
        QVERIFY(window.findChild<QAction *>("actionZoom")->isChecked());
        QCOMPARE(map.size(), QSize(window.width(), window.height() - window.belowMapHeight()));
        // The whole window on the screen, its left edge kept where the screen allows.
        QVERIFY2(screen.contains(window.frameGeometry()),
                 qPrintable(QString::asprintf(
                     "%d,%d %dx%d", window.frameGeometry().x(), window.frameGeometry().y(),
                     window.frameGeometry().width(), window.frameGeometry().height())));
        QCOMPARE(window.frameGeometry().left(),
                 std::min(beforeFrame.left(), screen.right() + 1 - window.frameGeometry().width()));
        const QString zoomed = QString::asprintf(", zoom %dx%d", window.width(), window.height());
        QCOMPARE((restored + zoomed + place).left(expected.size()), expected);
        window.zoom(); // and back, exactly
        QCOMPARE(window.geometry(), before);
        QCOMPARE(shown(), restored);
        QVERIFY(!window.findChild<QAction *>("actionZoom")->isChecked());
        // The frame is stored once the window rests, and at once when it closes.
        QTRY_COMPARE(app.stored("MainWindow").toRect(), QRect(window.pos(), window.size()));
        // A new row takes its room from the map; the window keeps its size.
        app.model->pinZone("Asia/Kolkata");
        QCOMPARE(window.size(), before.size());
        window.resize(window.size() - QSize(8, 8));
        const QRect kept(window.pos(), window.size());
        QTRY_COMPARE(app.stored("MainWindow").toRect(), kept);
        // Never a size the screen cannot show.
        window.resize(screen.size());
        window.close();
        QCOMPARE(app.stored("MainWindow").toRect(), kept);
    }

    void exportJpeg_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written"); // or "!" and the reason it is not
        const auto row = [](const char *name, bool large, const char *file, const char *written) {
            QTest::newRow(name) << large << QString(file) << QString(written);
        };
        row("small, extension kept", false, "map.jpg", "map.jpg");
        row("large, extension added", true, "map", "map.jpg");
        row("other extension: .jpg added", false, "map.png", "map.png.jpg");
        // The writer's other faults: the snapshot tests.
        row("parent is a file", false, "out/locked/map.jpg", "!Not a directory");
    }
    void exportJpeg()
    {
        QFETCH(bool, large);
        QFETCH(QString, name);
        QFETCH(QString, written);
        TestApplication app(kZones, kNoon);
        if (large)
            app.window->zoom();
        const QString path = app.dir.filePath(name);
        if (written.startsWith('!')) {
            const QString out = app.dir.filePath("out");
            QVERIFY(QDir().mkpath(out) && writeFile(out + "/locked", "old"));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save"));
            QCOMPARE(app.window->exportJpeg(path),
                     QString("Could not save the map to \"%1\": %2").arg(path, written.mid(1)));
            QCOMPARE(readFile(out + "/locked"), "old");
            QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList("locked"));
            return;
        }
        QCOMPARE(app.window->exportJpeg(path), QString());
        QImageReader reader(app.dir.filePath(written));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage saved = reader.read().convertToFormat(QImage::Format_RGB32);
        FrameRenderer renderer(*app.resources);
        const QImage frame = renderer.render(*app.model, app.window->mapWidget()->size())
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), frame.size());
        double sum = 0; // of the bytes' differences, alpha's none: the JPEG's loss only
        for (qsizetype i = 0; i < frame.sizeInBytes(); ++i)
            sum += qAbs(saved.constBits()[i] - frame.constBits()[i]);
        QVERIFY(sum / frame.sizeInBytes() < 1.5);
    }

    // The clock wakes just after each whole second: started 2 ms before one,
    // it ticks at once; started just after one, not for most of a second.
    void clockTicksJustAfterTheSecond()
    {
        for (const int intoSecond : {998, 100}) {
            TestApplication app(kZones, kNoon.addMSecs(intoSecond));
            QCOMPARE(app.text("timeField"), "12:00:00 UTC +0000");
            const auto *seconds = app.window->findChild<SecondTimer *>();
            const int waitMs = seconds->findChild<QTimer *>()->interval(); // as armed at the start
            QVERIFY2(intoSecond == 998 ? waitMs <= 12 : waitMs >= 890 && waitMs <= 912,
                     qPrintable(QString::number(waitMs)));
            QSignalSpy ticks(seconds, &SecondTimer::tick);
            app.clock.advance(1000);
            QVERIFY(ticks.wait(5000));
            QCOMPARE(app.text("timeField"), "12:00:01 UTC +0000");
        }
    }

    // Time menu actions by title, or "slider N"; each row starts at now.
    void timeMachine_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected"); // shown, title, slider, tooltip, Now button
        const auto row = [](const char *steps, const char *expected) {
            QTest::newRow(steps) << QString(steps).split(", ") << QString::fromUtf8(expected);
        };
        row("One Hour &Earlier", "2026-06-21T11:00:00Z 11:00:00 −1 h — Duskmap, -6 −1 h, on");
        row("One &Day Later, One Hour &Later",
            "2026-06-22T13:00:00Z 13:00:00 +1 d 1 h — Duskmap, 144 +1 d 1 h, on");
        row("One Day Ea&rlier", "2026-06-20T12:00:00Z 12:00:00 −1 d — Duskmap, -144 −1 d, on");
        row("One Hour &Later, &Now", "now 12:00:00 Duskmap, 0 +0 s, off");
        row("slider 20", "2026-06-21T15:20:00Z 15:20:00 +3 h 20 min — Duskmap, 20 +3 h 20 min, on");
        row("slider -1", "2026-06-21T11:50:00Z 11:50:00 −10 min — Duskmap, -1 −10 min, on");
        row("slider 3, slider 0", "now 12:00:00 Duskmap, 0 +0 s, off");
        // The total solar eclipse of 2026-08-12, then the partial lunar one.
        row("Ne&xt Eclipse, Ne&xt Eclipse",
            "2026-08-28T04:12:55Z 4:12:55 +67 d 16 h — Duskmap, 144 +67 d 16 h, on");
        row("Pre&vious Eclipse", "2026-03-03T11:33:43Z 11:33:43 −110 d — Duskmap, -144 −110 d, on");
    }
    void timeMachine()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        TestApplication app(kZones, kNoon);
        auto *slider = app.child<QSlider>("timeSlider");
        for (const QString &step : steps) {
            if (step.startsWith("slider "))
                slider->setValue(step.mid(7).toInt());
            else
                action(app.child<QMenu>("menuTime"), step)->trigger();
        }
        const MapModel &model = *app.model;
        QCOMPARE(QStringLiteral("%1 %2 %3, %4 %5, %6")
                     .arg(model.isShowingNow() ? "now" : model.shownInstant().toString(Qt::ISODate),
                          app.text("timeField").left(8).trimmed(), app.window->windowTitle())
                     .arg(slider->value())
                     .arg(slider->toolTip(),
                          app.child<QAbstractButton>("nowButton")->isEnabled() ? "on" : "off"),
                 expected);
    }

    // Play moves at the chosen rate, Pause leaves the instant; the map timer redraws only at now.
    void playAndTheMapTimer()
    {
        TestApplication app(kZones, kNoon);
        const QMenu *menu = app.child<QMenu>("menuTime");
        auto *mapTimer = app.window->findChild<QTimer *>("mapTimer");
        app.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        QSignalSpy painted(app.window->mapWidget(), &MapWidget::framePainted);
        QVERIFY(QMetaObject::invokeMethod(mapTimer, "timeout"));
        QVERIFY(painted.wait());

        action(menu, "1 Day a Second")->trigger();
        QElapsedTimer played;
        played.start();
        QSignalSpy steps(app.model.get(), &MapModel::shownInstantChanged);
        action(menu, "&Play")->trigger();
        QTRY_VERIFY(steps.count() >= 10);
        action(menu, "&Pause")->trigger();
        const qint64 playedMs = played.elapsed();
        const qint64 advanced = kNoon.secsTo(app.model->shownInstant());
        QVERIFY2(advanced >= 86400 * (playedMs - 250) / 1000 && advanced <= 86400 * playedMs / 1000,
                 qPrintable(QStringLiteral("%1 s in %2 ms").arg(advanced).arg(playedMs)));
        QCOMPARE(action(menu, "&Play")->text(), "&Play");
        steps.clear();
        QVERIFY(!steps.wait(200)); // paused
        painted.wait(200);         // the last step's redraw
        painted.clear();
        QVERIFY(QMetaObject::invokeMethod(mapTimer, "timeout"));
        QVERIFY(!painted.wait(200)); // away from now, the map timer redraws nothing
    }

    // Each resource broken in turn: the program starts, says so once, draws what it can.
    void resourceFaults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("fault");
        for (const char *file : {"EarthMap720.ppm", "NightMap720.ppm", "EarthMap1440.ppm",
                                 "NightMap1440.ppm", "TimeZones.plist"})
            for (const char *fault : kFaults)
                QTest::addRow("%s %s", file, fault) << file << fault;
    }
    void resourceFaults()
    {
        QFETCH(QString, file);
        QFETCH(QString, fault);
        MessageLog log;
        TestApplication app(
            {{"UTC", 51.4769, -0.0005}, {"Europe/Paris", 48.8667, 2.3333}},
            QDateTime(QDate(2026, 6, 21), QTime(18, 40), QTimeZone::utc()),
            "[General]\nShowLocations=true\n", TestApplication::Window,
            [&](const QTemporaryDir &dir) { QVERIFY(applyFault(dir.filePath(file), fault)); });
        // Both presets and back, and a zone change, through the window's renderer; the
        // large map is larger than the test's screen leaves room for.
        MapWidget &map = *app.window->mapWidget();
        const auto showMap = [&](const MapGeometry &preset) {
            app.window->resize(preset.mapWidth, preset.mapHeight + app.window->belowMapHeight());
            const bool shown = QTest::qWaitFor([&] { return map.width() == int(preset.mapWidth); });
            return shown ? distinctColours(map.grab().toImage()) : -1;
        };
        app.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        const int smallColours = showMap(kSmallPreset);
        const int largeColours = showMap(kLargePreset);
        app.model->selectZone("Europe/Paris");
        showMap(kSmallPreset); // and back: the small images are read again
        // One warning for the one fault, naming the file.
        QStringList warnings = log.warnings();
        warnings.removeAll("This plugin does not support propagateSizeHints()"); // offscreen's
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains(QFileInfo(file).completeBaseName()),
                 qPrintable(warnings.first()));
        // What can be drawn is drawn: the images that are intact still show.
        QVERIFY(smallColours > 20 || file.contains("720"));
        QVERIFY(largeColours > 20 || file.contains("1440"));
        QVERIFY(!app.text("timeField").isEmpty());
        const bool noTable = file == QLatin1String("TimeZones.plist");
        QCOMPARE(app.child<QComboBox>("zoneComboBox")->count(), noTable ? 0 : 2);
        QCOMPARE(float(app.model->markerPlace().latitude), noTable ? 0.0f : 48.8667f);
    }

    // Under the pseudo-locale, each text 40 % longer, and under a font twice
    // the size, nothing is cut on a 1366x768 screen: the window at its width
    // with the away line and world clocks, the menus, the Preferences and the
    // Go to dialogs.
    void textsFit_data()
    {
        QTest::addColumn<bool>("pseudoLocale");
        QTest::addColumn<double>("fontScale");
        QTest::newRow("pseudo-locale") << true << 1.0;
        QTest::newRow("large text") << false << 2.0;
    }
    void textsFit()
    {
        QFETCH(bool, pseudoLocale);
        QFETCH(double, fontScale);
        QTranslator pseudo;
        QVERIFY(pseudo.load(QStringLiteral(PSEUDO_CATALOGUE)));
        if (pseudoLocale)
            QCoreApplication::installTranslator(&pseudo);
        const QFont font = QApplication::font();
        QApplication::setFont(QFont(font.family(), int(font.pointSize() * fontScale)));
        const auto restore = qScopeGuard([&] {
            QCoreApplication::removeTranslator(&pseudo);
            QApplication::setFont(font);
        });
        const QSize screen(1366, 768);
        TestApplication app(kZones, kNoon,
                            "[General]\nPinnedTimeZones=Asia/Kolkata, America/New_York, UTC\n"
                            "CloudMapFile=/nowhere/clouds-of-a-long-name.jpg\n");
        QTRY_VERIFY(!app.model->weatherFileMessage(WeatherSource::Clouds).isEmpty());
        app.model->setShownInstant(kNoon.addSecs(-86400 - 5400));
        app.window->resize(screen.width(), app.window->height());
        app.window->show();
        app.window->findChild<QMenu *>("menuSettings")->actions().constFirst()->trigger();
        GoToDateDialog goTo(kNoon, QTimeZone("America/New_York"), app.window.get());
        goTo.findChild<QLineEdit *>()->setText("2026-03-08 02:30");
        goTo.show();
        auto *preferences = app.window->findChild<PreferencesDialog *>();
        preferences->findChild<QAbstractButton *>("satellitesButton")->click();
        for (QWidget *top : {(QWidget *)app.window.get(), (QWidget *)preferences, (QWidget *)&goTo,
                             (QWidget *)preferences->findChild<QDialog *>()}) {
            QVERIFY(QTest::qWaitForWindowExposed(top));
            QVERIFY2(top->width() <= screen.width() && top->height() <= screen.height(),
                     qPrintable(top->windowTitle()));
            QStringList keyed;
            for (QWidget *w : top->findChildren<QWidget *>()) {
                const auto *label = qobject_cast<QLabel *>(w);
                const bool cut = label && label->wordWrap()
                                     ? label->heightForWidth(w->width()) > w->height()
                                     : w->width() < w->sizeHint().width() ||
                                           w->height() < w->sizeHint().height();
                if (w->window() == top && w->isVisibleTo(top) &&
                    (qobject_cast<QAbstractButton *>(w) || (label && label->buddy())))
                    keyed << w->property("text").toString();
                // Without a buddy a label shows its "&" as it is.
                QVERIFY2(
                    !label || label->buddy() ||
                        !QString(label->text()).remove("&&").contains(QRegularExpression("&\\w")),
                    qPrintable(w->property("text").toString()));
                QVERIFY2(!w->isVisibleTo(top) || !cut ||
                             !(label || qobject_cast<QAbstractButton *>(w) ||
                               qobject_cast<QComboBox *>(w) || qobject_cast<QMenuBar *>(w)),
                         qPrintable(w->objectName() + ": " + w->property("text").toString()));
            }
            QVERIFY2(sharedKey(keyed).isEmpty(), qPrintable(top->windowTitle() + sharedKey(keyed)));
        }
        for (const QMenu *menu : app.window->findChildren<QMenu *>()) {
            QVERIFY2(menu->sizeHint().width() <= screen.width(), qPrintable(menu->title()));
            QStringList texts;
            for (const QAction *action : menu->actions())
                texts << action->text();
            QVERIFY2(sharedKey(texts).isEmpty(), qPrintable(menu->title() + sharedKey(texts)));
        }
        // The away line is cut short with an ellipsis only in a narrower window.
        QCOMPARE(app.text("awayField"), app.child("awayField")->toolTip());
    }

    // A simulated week in 120-second steps across a change to summer time, the clock set
    // back an hour and jumping a day, zones and layers changing: memory does not grow.
    void aWeekOfSteps()
    {
        std::vector<TestZone> zones = kZones;
        zones.insert(zones.end(), {{"Europe/Berlin", 52.5, 13.3667},
                                   {"Pacific/Chatham", -43.95, -176.55},
                                   {"Arctic/Longyearbyen", 78.0, 16.0}});
        TestApplication app(zones, QDateTime(QDate(2026, 3, 25), QTime(21, 0), QTimeZone::utc()));
        MapModel &model = *app.model;
        long residentAfterFirstDay = 0;
        constexpr int kStepsADay = 24 * 3600 / 120;
        for (int step = 1; step <= 7 * kStepsADay; ++step) {
            app.clock.advance(step == 3 * kStepsADay   ? (120 - 3600) * 1000
                              : step == 4 * kStepsADay ? qint64(120 + 26 * 3600) * 1000
                                                       : 120 * 1000);
            model.setShownInstant(app.clock.now()); // the texts and the map follow
            app.window->mapWidget()->grab();
            if (step % 180 == 0) // every six hours, another zone
                model.selectZone(zones[(step / 180) % zones.size()].name);
            if (step % 270 == 0) { // every nine hours, a layer
                const MapLayer layer = kMapLayers[(step / 270) % kMapLayerCount].layer;
                model.setLayerShown(layer, !model.isLayerShown(layer));
            }
            if (step == kStepsADay)
                residentAfterFirstDay = residentKb();
        }
        const long growthKb = residentKb() - residentAfterFirstDay;
        QVERIFY2(growthKb < 4096, qPrintable(QString::number(growthKb)));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
