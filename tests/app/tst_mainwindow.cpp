// The model and the window as main() starts them, on Qt's offscreen platform:
// zones and preferences, the readouts, the menus, zoom, the export, the clock,
// the time machine, faulty resources and a simulated week.
#include "MessageLog.h"
#include "TestApplication.h"
#include "model/ShownTexts.h"
#include "platform/LocalizedStrings.h"
#include "render/FrameRenderer.h"
#include "widgets/MapWidget.h"
#include "zones/TimeZones.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImageReader>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    file.close();
    if (fault == "missing")
        return file.remove();
    bytes.truncate(fault == "empty" ? 0 : fault == "truncated" ? bytes.size() / 2 : bytes.size());
    for (qsizetype i = 1; fault == "corrupt" && i < bytes.size(); i += 7)
        bytes[i] = char(bytes[i] ^ 0x5a);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}
const char *const kFaults[] = {"missing", "empty", "truncated", "corrupt"};

/// The time text worked out from Qt's own conversions, apart from the readouts.
QString expectedTime(const QDateTime &instant, const QTimeZone &zone)
{
    const int offset = zone.offsetFromUtc(instant) / 60;
    return instant.toTimeZone(zone).toString("H:mm:ss ") + zone.abbreviation(instant) +
           QString::asprintf(" %c%02d%02d", offset < 0 ? '-' : '+', abs(offset) / 60,
                             abs(offset) % 60);
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

    void selectZone_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("expected"); // at noon UTC
        QTest::newRow("offered zone")
            << "Asia/Kolkata"
            << "Asia/Kolkata at 22.5333 88.3667, stored Asia/Kolkata, 1 change, "
               "chosen, 17:30:00 IST +0530";
        QTest::newRow("already selected")
            << "Europe/London"
            << "Europe/London at 51.5 -0.1275, stored Europe/London, 0 change, "
               "chosen, 13:00:00 BST +0100";
        // The stored zone stays, for the day the system knows the zone again.
        QTest::newRow("vanished: the system's zone")
            << "Gone/Zone"
            << "UTC at 51.4769 -0.0005, stored Europe/London, 1 change, refused, "
               "12:00:00 UTC +0000";
        QTest::newRow("known, not in the table: marker at 0, 0")
            << "Asia/Tokyo"
            << " at 0 0, stored Asia/Tokyo, 1 change, chosen, 12:00:00 UTC +0000";
    }
    void selectZone()
    {
        QFETCH(QString, zone);
        QFETCH(QString, expected);
        TestApplication app(kZones, kNoon, "[General]\nDefaultTimeZone=Europe/London\n",
                            Start::Bound);
        MapModel &model = *app.model;
        QSignalSpy changed(&model, &MapModel::zoneChanged);
        QSignalSpy moved(&model, &MapModel::markerPlaceChanged);
        QSignalSpy chosenSpy(&model, &MapModel::zoneChosen);
        MessageLog log;
        const bool chosen = model.selectZone(zone);
        QCOMPARE(QStringLiteral("%1 at %2 %3, stored %4, %5 change, %6, %7")
                     .arg(model.zoneName())
                     .arg(model.markerPlace().latitude)
                     .arg(model.markerPlace().longitude)
                     .arg(app.stored("DefaultTimeZone").toString())
                     .arg(changed.count())
                     .arg(chosen ? "chosen" : "refused", clockTexts(model).time),
                 expected);
        QCOMPARE(moved.count(), changed.count());
        QCOMPARE(chosenSpy.count(), chosen ? 1 : 0);
        // A plain log line, not a warning.
        const QStringList expectedLog{"Time zone doesn't exist on system: " + zone};
        QCOMPARE(log.infos(), chosen ? QStringList() : expectedLog);
        QVERIFY(log.warnings().isEmpty());
    }

    // What a start makes of the stored preferences, and what it writes back.
    void restore_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("shown"); // zone, grid, locations, names
        QTest::addColumn<QByteArray>("written");
        const QByteArray unknown("[General]\nDefaultTimeZone=Atlantis/Capital\n");
        const QByteArray earlier("[General]\nDefaultTimeZone=America/New_York\nShowLatLon=true\n"
                                 "ShowLocations=false\nShowLocationNames=1\n"
                                 "MainWindow=@Rect(10 20 1440 817)\n");
        QTest::newRow("first run stores nothing")
            << QByteArray() << int(Start::Window) << "UTC 000" << QByteArray();
        QTest::newRow("unknown zone replaced and stored")
            << unknown << int(Start::Window) << "UTC 000"
            << QByteArray("[General]\nDefaultTimeZone=UTC\n");
        QTest::newRow("unknown zone, headless: kept")
            << unknown << int(Start::Headless) << "UTC 000" << unknown;
        QTest::newRow("an earlier version's file")
            << earlier << int(Start::Window) << "America/New_York 101" << earlier;
    }
    void restore()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, start);
        QFETCH(QString, shown);
        QFETCH(QByteArray, written);
        TestApplication app(kZones, kNoon, file, Start(start));
        const MapModel &m = *app.model;
        QCOMPARE(QStringLiteral("%1 %2%3%4")
                     .arg(m.zoneName())
                     .arg(m.showGrid())
                     .arg(m.showLocations())
                     .arg(m.showLocationNames()),
                 shown);
        QFile stored(app.preferences->filePath());
        QCOMPARE(stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray(), written);
    }

    void pinsRestored_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("pins");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<int>("infos");
        QTest::newRow("one") << QByteArray("PinnedTimeZones=Asia/Kolkata")
                             << QStringList{"Asia/Kolkata"} << 0 << 0;
        QTest::newRow("list, unknown skipped")
            << QByteArray("PinnedTimeZones=Asia/Kolkata, Mars/Base, Europe/London")
            << QStringList{"Asia/Kolkata", "Europe/London"} << 0 << 1;
        QTest::newRow("not a list")
            << QByteArray("PinnedTimeZones=@Rect(1 2 3 4)") << QStringList{} << 1 << 0;
        QTest::newRow("too long: the first twelve read")
            << QByteArray("PinnedTimeZones=UTC" + QByteArray(", Mars/Base").repeated(11) +
                          ", Asia/Kolkata")
            << QStringList{"UTC"} << 1 << 11;
        QTest::newRow("non-text entry kept out")
            << QByteArray("PinnedTimeZones=UTC, @Rect(1 2 3 4)") << QStringList{"UTC"} << 1 << 0;
    }
    void pinsRestored()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, pins);
        QFETCH(int, warnings);
        QFETCH(int, infos);
        MessageLog log;
        TestApplication app(kZones, kNoon, "[General]\nShowLatLon=true\n" + file + "\n",
                            Start::Bound);
        QCOMPARE(app.model->pinnedZones(), pins);
        QCOMPARE(app.model->showGrid(), true);
        QCOMPARE(log.warnings().size(), warnings);
        QCOMPARE(log.infos().filter("Pinned").size(), infos);
        app.model->pinZone("America/New_York");
        QCOMPARE(app.stored("PinnedTimeZones").toStringList(), pins << "America/New_York");
    }

    void layersAreStored_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("key");
        QTest::newRow("grid") << QByteArray("showGrid") << "ShowLatLon";
        QTest::newRow("locations") << QByteArray("showLocations") << "ShowLocations";
        QTest::newRow("names") << QByteArray("showLocationNames") << "ShowLocationNames";
    }
    void layersAreStored()
    {
        QFETCH(QByteArray, property);
        QFETCH(QString, key);
        TestApplication app(kZones, kNoon, {}, Start::Bound);
        MapModel &model = *app.model;
        const QMetaObject *meta = model.metaObject();
        QSignalSpy spy(&model, meta->property(meta->indexOfProperty(property)).notifySignal());
        for (const bool on : {true, true, false}) {
            QVERIFY(model.setProperty(property, on));
            QCOMPARE(app.stored(qPrintable(key)).toString(), on ? "true" : "false");
        }
        QCOMPARE(spy.count(), 2);
        model.setProperty(property, true);
        // A later start reads it back, and only it.
        TestApplication later(kZones, kNoon, {}, Start::Headless);
        later.preferences = std::make_unique<Preferences>(app.preferences->filePath());
        PreferencesBinding::restore(*later.model, *later.preferences, false);
        for (const char *name : {"showGrid", "showLocations", "showLocationNames"})
            QCOMPARE(later.model->property(name).toBool(), property == name);
    }

    // The readouts of the shown instant: the clock's now, or a fixed instant
    // kept within 1900-03-01 to 2100-02-28 UTC.
    void readoutsFollowTheShownInstant_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDateTime>("instant");
        QTest::addColumn<bool>("fixed"); // else the clock's now
        QTest::addColumn<QString>("expected");
        const auto at = [](const char *text) { return QDateTime::fromString(text, Qt::ISODate); };
        QTest::newRow("now") << "Asia/Kolkata" << kNoon << false
                             << "17:30:00 IST +0530, Sunday, June 21, 2026, Sunrise:  4:52";
        QTest::newRow("now, before midnight")
            << "Asia/Kolkata" << at("2026-06-21T18:29:59Z") << false
            << "23:59:59 IST +0530, Sunday, June 21, 2026, Sunrise:  4:52";
        QTest::newRow("now, midnight")
            << "Asia/Kolkata" << at("2026-06-21T18:30:00Z") << false
            << "0:00:00 IST +0530, Monday, June 22, 2026, Sunrise:  4:53";
        QTest::newRow("fixed, before midnight")
            << "Asia/Kolkata" << at("2026-06-21T18:29:59Z") << true
            << "23:59:59 IST +0530, Sunday, June 21, 2026, Sunrise:  4:52";
        QTest::newRow("fixed, before the first day")
            << "UTC" << at("1900-02-28T23:59:59Z") << true
            << "0:00:00 UTC +0000, Thursday, March 1, 1900, Sunrise:  6:45";
        QTest::newRow("fixed, after the last day")
            << "UTC" << at("2100-03-01T00:00:00Z") << true
            << "23:59:59 UTC +0000, Sunday, February 28, 2100, Sunrise:  6:46";
        QTest::newRow("New York") << "America/New_York" << kNoon << false
                                  << "8:00:00 EDT -0400, Sunday, June 21, 2026, Sunrise:  5:25";
        QTest::newRow("not in the table: 0, 0 in the system's zone")
            << "Asia/Tokyo" << kNoon << false
            << "12:00:00 UTC +0000, Sunday, June 21, 2026, Sunrise:  5:58";
    }
    void readoutsFollowTheShownInstant()
    {
        QFETCH(QString, zone);
        QFETCH(QDateTime, instant);
        QFETCH(bool, fixed);
        QFETCH(QString, expected);
        TestApplication app(kZones, kNoon, {}, Start::Headless);
        MapModel &model = *app.model;
        model.selectZone(zone);
        QSignalSpy spy(&model, &MapModel::shownInstantChanged);
        if (fixed)
            model.setShownInstant(instant);
        else
            app.clock.setNow(instant);
        app.clock.advance(fixed ? 3600 * 1000 : 0);
        const ClockTexts clock = clockTexts(model);
        QCOMPARE(clock.time + ", " + clock.date + ", " + placeTexts(model, kSmallPreset).sunrise,
                 expected);
        model.setShownInstant(instant); // once per change
        QCOMPARE(spy.count(), 1);
        model.showNow();
        QCOMPARE(model.shownInstant(), app.clock.now());
    }

    void zoneFromThePopUp()
    {
        TestApplication app(kZones, kNoon);
        auto *popUp = app.child<QComboBox>("zonePopUp");
        QCOMPARE(popUp->count(), int(kZones.size()));
        QCOMPARE(popUp->itemText(0), QStringLiteral("America/New_York"));
        QCOMPARE(popUp->currentText(), QStringLiteral("UTC"));
        QCOMPARE(app.window->size(), QSize(720, 457));
        QCOMPARE(app.window->mapWidget()->size(), QSize(720, 360));
        QCOMPARE(app.text("latitudeField"), QStringLiteral("Latitude:  51° 28' 37\" N"));
        popUp->setCurrentIndex(0);
        emit popUp->activated(0);
        QCOMPARE(app.stored("DefaultTimeZone").toString(), QStringLiteral("America/New_York"));
        QCOMPARE(app.text("latitudeField") + ", " + app.text("timeField") + ", " +
                     app.text("dateField"),
                 "Latitude:  40° 42' 51\" N, 8:00:00 EDT -0400, Sunday, June 21, 2026");
        app.model->selectZone("Asia/Tokyo"); // not offered: nothing shows selected
        QCOMPARE(popUp->currentIndex(), -1);
    }

    void contextMenu_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QPoint>("click"); // y up
        QTest::addColumn<QStringList>("zones");
        QTest::newRow("small, origin: open 10-degree bounds")
            << false << QPoint(360, 180) << QStringList{"Africa/Abidjan", "Europe/London"};
        QTest::newRow("small, nothing near") << false << QPoint(100, 300) << QStringList{};
        QTest::newRow("small, across the 180th meridian")
            << false << QPoint(719, 180) << QStringList{"Pacific/Fiji"};
        QTest::newRow("large, 35 N 70 E") << true << QPoint(1000, 500) << QStringList{"Asia/Kabul"};
    }
    void contextMenu()
    {
        QFETCH(bool, large);
        QFETCH(QPoint, click);
        QFETCH(QStringList, zones);
        // Europe/London at 9.9 N 9.9 W is near the origin; Africa/Lagos at
        // exactly 10 N is not, nor is Africa/Accra at exactly 10 W. Fiji sits at
        // 179.5 W. "Not/AZone" is near but unknown to the system.
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
        QStringList expected{"Show Latitude/Longitude Grid", "Show Locations", "Show Sun",
                             "Show Moon", "Show Twilight Lines"};
        if (!zones.isEmpty())
            expected << "---";
        for (const QString &zone : std::as_const(zones))
            expected << zone << "Pin " + zone;
        const QString selected = app.model->zoneName();
        if (!selected.isEmpty() && !zones.contains(selected))
            expected << "---"
                     << "Pin " + selected;
        QCOMPARE(titles(menu.get()), expected);
        // The View menu shows the same actions.
        for (QAction *action : menu->actions().mid(0, 2))
            QVERIFY(app.child<QMenu>("menuView")->actions().contains(action));
        if (zones.isEmpty())
            return;
        const QList<QAction *> actions = menu->actions();
        actions.at(expected.indexOf(zones.last()))->trigger();
        actions.at(expected.indexOf("Pin " + zones.last()))->trigger();
        QCOMPARE(app.stored("PinnedTimeZones").toString(), zones.last());
        QCOMPARE(app.child<QComboBox>("zonePopUp")->currentText(), zones.last());
        QCOMPARE(app.stored("DefaultTimeZone").toString(), zones.last());
    }

    void displayActionsFlipAndAreStored()
    {
        TestApplication app(kZones, kNoon);
        for (const bool on : {true, false}) {
            std::unique_ptr<QMenu> menu(app.window->mapWidget()->contextMenuAt({}));
            menu->actions().at(0)->trigger();
            menu->actions().at(1)->trigger();
            const QString verb = on ? "Hide" : "Show";
            QCOMPARE(titles(menu.get()).mid(0, 2),
                     (QStringList{verb + " Latitude/Longitude Grid", verb + " Locations"}));
            QCOMPARE(app.stored("ShowLatLon").toBool(), on);
            QCOMPARE(app.stored("ShowLocations").toBool(), on);
        }
    }

    void zoomKeepsTheBottomLeftCorner()
    {
        TestApplication app(kZones, kNoon);
        MainWindow &window = *app.window;
        window.move(10, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int screenTop = window.screen()->availableGeometry().top();
        const QRect small = window.geometry();
        window.zoom();
        QCOMPARE(window.mapWidget()->size(), QSize(1440, 720));
        QCOMPARE(window.size(), QSize(1440, 817));
        // Never above the top of the screen.
        QCOMPARE(window.geometry().top(),
                 std::max(screenTop, small.bottom() + 1 - window.geometry().height()));
        QCOMPARE(window.geometry().left(), small.left());
        const QRect large = window.geometry();
        window.zoom();
        QCOMPARE(window.size(), QSize(720, 457));
        QCOMPARE(window.geometry().bottomLeft(), large.bottomLeft());
        // The frame is saved once the window rests.
        QTRY_COMPARE(app.stored("MainWindow").toRect(), QRect(window.pos(), window.size()));
    }

    void savedFrames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("large preset")
            << QByteArray("@Rect(10 20 1440 817)") << QRect(10, 20, 1440, 817);
        QTest::newRow("small preset")
            << QByteArray("@Rect(10 20 720 457)") << QRect(10, 20, 720, 457);
        QTest::newRow("other size")
            << QByteArray("@Rect(10 20 800 600)") << QRect(10, 20, 720, 457);
        QTest::newRow("width beyond int")
            << QByteArray("@Rect(-2147483648 0 -2147483647 101)") << QRect(0, 0, 720, 457);
        QTest::newRow("not a frame") << QByteArray("garbage") << QRect(0, 0, 720, 457);
    }
    void savedFrames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QRect, expected);
        TestApplication app(kZones, kNoon, "[General]\nMainWindow=" + frame + "\n");
        QCOMPARE(app.window->size(), expected.size());
        QCOMPARE(app.window->mapWidget()->width(), expected.width());
        if (expected.x() != 0)
            QCOMPARE(app.window->pos(), expected.topLeft());
    }

    void exportJpeg_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written"); // none: a regular file where the folder should be
        QTest::newRow("small, extension kept") << false << "map.jpg"
                                               << "map.jpg";
        QTest::newRow("large, extension added") << true << "map"
                                                << "map.jpg";
        QTest::newRow("other extension: .jpg added") << false << "map.png"
                                                     << "map.png.jpg";
        QTest::newRow("parent is a file") << false << "locked/map.jpg"
                                          << "";
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
        if (written.isEmpty()) {
            QFile file(app.dir.filePath("locked"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
            file.close();
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save"));
            const QString message = app.window->exportJpeg(path);
            QVERIFY2(message.contains(path), qPrintable(message));
            QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), "old");
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
        double sum = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb p = saved.pixel(x, y), q = frame.pixel(x, y);
                sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                       qAbs(qBlue(p) - qBlue(q));
            }
        }
        QVERIFY(sum / (3.0 * frame.width() * frame.height()) < 2.0);
    }

    // The clock wakes just after each whole second: started 2 ms before one,
    // it ticks at once; started just after one, not for most of a second.
    void clockTicksJustAfterTheSecond_data()
    {
        QTest::addColumn<int>("intoSecond");
        QTest::addColumn<bool>("ticksSoon");
        QTest::newRow("998 ms") << 998 << true;
        QTest::newRow("100 ms") << 100 << false;
    }
    void clockTicksJustAfterTheSecond()
    {
        QFETCH(int, intoSecond);
        QFETCH(bool, ticksSoon);
        TestApplication app(kZones, kNoon.addMSecs(intoSecond));
        QCOMPARE(app.text("timeField"), QStringLiteral("12:00:00 UTC +0000"));
        app.clock.advance(1000);
        QTest::qWait(300);
        QCOMPARE(app.text("timeField"), ticksSoon ? QStringLiteral("12:00:01 UTC +0000")
                                                  : QStringLiteral("12:00:00 UTC +0000"));
        QTRY_COMPARE(app.text("timeField"), QStringLiteral("12:00:01 UTC +0000"));
    }

    // Time menu actions by title, or "slider N"; each row starts at now.
    void timeMachine_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected"); // shown, away field, slider, tooltip, Now button
        const auto row = [](const char *steps, const char *expected) {
            QTest::newRow(steps) << QString(steps).split(", ") << QString::fromUtf8(expected);
        };
        row("One Hour &Later", "2026-06-21T13:00:00Z 13:00:00 +1 h, 6 +1 h, on");
        row("One Hour &Earlier", "2026-06-21T11:00:00Z 11:00:00 −1 h, -6 −1 h, on");
        row("One &Day Later, One Hour &Later",
            "2026-06-22T13:00:00Z 13:00:00 +1 d 1 h, 144 +1 d 1 h, on");
        row("One Day Ea&rlier", "2026-06-20T12:00:00Z 12:00:00 −1 d, -144 −1 d, on");
        row("One Hour &Later, &Now", "now 12:00:00 , 0 +0 s, off");
        row("slider 20", "2026-06-21T15:20:00Z 15:20:00 +3 h 20 min, 20 +3 h 20 min, on");
        row("slider -1", "2026-06-21T11:50:00Z 11:50:00 −10 min, -1 −10 min, on");
        row("slider 3, slider 0", "now 12:00:00 , 0 +0 s, off");
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
                          app.text("timeField").left(8).trimmed(), app.text("awayField"))
                     .arg(slider->value())
                     .arg(slider->toolTip(),
                          app.child<QAbstractButton>("nowButton")->isEnabled() ? "on" : "off"),
                 expected);
    }

    // Play moves at the chosen rate, Pause leaves the instant; the map timer
    // redraws only at now.
    void playAndTheMapTimer()
    {
        TestApplication app(kZones, kNoon);
        const QMenu *menu = app.child<QMenu>("menuTime");
        auto *mapTimer = app.window->findChild<QTimer *>("mapTimer");
        app.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        int paints = 0;
        struct PaintCounter : QObject
        {
            int &count;
            explicit PaintCounter(int &c) : count(c) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                count += event->type() == QEvent::Paint;
                return false;
            }
        } counter(paints);
        app.window->mapWidget()->installEventFilter(&counter);
        QVERIFY(QMetaObject::invokeMethod(mapTimer, "timeout"));
        QTRY_VERIFY(paints > 0);

        action(menu, "1 Day a Second")->trigger();
        QElapsedTimer played;
        played.start();
        action(menu, "&Play")->trigger();
        QTest::qWait(500);
        action(menu, "&Pause")->trigger();
        const qint64 playedMs = played.elapsed();
        const qint64 advanced = kNoon.secsTo(app.model->shownInstant());
        QVERIFY2(advanced >= 86400 * (playedMs - 250) / 1000 && advanced <= 86400 * playedMs / 1000,
                 qPrintable(QStringLiteral("%1 s in %2 ms").arg(advanced).arg(playedMs)));
        QTest::qWait(100);
        QCOMPARE(kNoon.secsTo(app.model->shownInstant()), advanced);
        QCOMPARE(action(menu, "&Play")->text(), "&Play");

        QTest::qWait(100);
        paints = 0;
        QVERIFY(QMetaObject::invokeMethod(mapTimer, "timeout"));
        QTest::qWait(100);
        QCOMPARE(paints, 0);
    }

    // Each resource missing, empty, truncated or corrupt in turn: the
    // application still starts, reports the fault once, and draws what it can.
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
        // Both presets and back, and a zone change, through the window's renderer.
        MapWidget &map = *app.window->mapWidget();
        const int smallColours = distinctColours(map.grab().toImage());
        app.window->zoom();
        const int largeColours = distinctColours(map.grab().toImage());
        app.model->selectZone("Europe/Paris");
        app.window->zoom(); // and back: the small images are read again
        map.grab();
        // One warning for the one fault, naming the file.
        const QStringList warnings = log.warnings();
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains(QFileInfo(file).completeBaseName()),
                 qPrintable(warnings.first()));
        // What can be drawn is drawn: the images that are intact still show.
        QVERIFY(smallColours > 20 || file.contains("720"));
        QVERIFY(largeColours > 20 || file.contains("1440"));
        QVERIFY(!app.text("timeField").isEmpty());
        const bool noTable = file == QLatin1String("TimeZones.plist");
        QCOMPARE(app.child<QComboBox>("zonePopUp")->count(), noTable ? 0 : 2);
        QCOMPARE(app.model->markerPlace().latitude, noTable ? 0.0f : 48.8667f);
    }

    void stringsTableFaults_data()
    {
        QTest::addColumn<QString>("fault");
        for (const char *fault : kFaults)
            QTest::newRow(fault) << fault;
    }
    void stringsTableFaults()
    {
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString table = dir.filePath("duskmap_en.qm");
        QVERIFY(QFile::copy(":/duskmap/translations/duskmap_en.qm", table));
        QFile::setPermissions(table, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(applyFault(table, fault));
        MessageLog log;
        // The menu still gets a title: the English one or, failing that, the key.
        for (int i = 0; i < 3; ++i) {
            const QString title = localizedString("ShowLocations", QLocale::c(), dir.path());
            QVERIFY2(title == "Show Locations" || title == "ShowLocations", qPrintable(title));
        }
        QVERIFY(log.warnings().size() == 1 ||
                (log.warnings().isEmpty() && fault != "missing" && fault != "empty"));
    }

    // A simulated week of the running window: the clock advances in 120-second
    // steps across the European change to summer time, set back an hour and
    // jumping a day, with zone changes and layer toggles mixed in. The readouts
    // stay right and the memory in use does not grow.
    void aWeekOfSteps()
    {
        const std::vector<TestZone> zones = {
            {"UTC", 51.4769, -0.0005},          {"Europe/London", 51.5, -0.1275},
            {"Europe/Berlin", 52.5, 13.3667},   {"America/New_York", 40.7142, -74.0064},
            {"Asia/Kolkata", 22.5333, 88.3667}, {"Pacific/Chatham", -43.95, -176.55},
            {"Arctic/Longyearbyen", 78.0, 16.0}};
        TestApplication app(zones, QDateTime(QDate(2026, 3, 25), QTime(21, 0), QTimeZone::utc()));
        MapModel &model = *app.model;
        const QRegularExpression sunrise(
            "^(Sunrise: [ 12]\\d:\\d\\d|Sun never sets|Sun never rises)$");
        long residentAfterFirstDay = 0;
        constexpr int kStepsADay = 24 * 3600 / 120;
        for (int step = 1; step <= 7 * kStepsADay; ++step) {
            app.clock.advance(step == 3 * kStepsADay   ? (120 - 3600) * 1000
                              : step == 4 * kStepsADay ? qint64(120 + 26 * 3600) * 1000
                                                       : 120 * 1000);
            model.setShownInstant(app.clock.now()); // the texts and the map follow
            app.window->mapWidget()->grab();
            const QDateTime now = app.clock.now();
            QCOMPARE(app.text("timeField"), expectedTime(now, model.timeZone()));
            QCOMPARE(app.text("dateField"),
                     QLocale(QLocale::English)
                         .toString(now.toTimeZone(model.timeZone()).date(), "dddd, MMMM d, yyyy"));
            QVERIFY2(sunrise.match(app.text("sunriseField")).hasMatch(),
                     qPrintable(app.text("sunriseField")));
            if (step % 180 == 0) // every six hours, another zone
                model.selectZone(zones[(step / 180) % zones.size()].name);
            if (step % 270 == 0) { // every nine hours, a layer
                const char *layer =
                    std::array{"showGrid", "showLocations", "showLocationNames"}[(step / 270) % 3];
                model.setProperty(layer, !model.property(layer).toBool());
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
