// The model with its preferences binding and readout texts, without a window.
#include "MessageLog.h"
#include "TestApplication.h"
#include "model/ShownTexts.h"
#include "zones/TimeZones.h"

#include <QMetaProperty>
#include <QSignalSpy>

namespace {
const QDateTime kNoon(QDate(2026, 6, 21), QTime(12, 0), QTimeZone::utc());
const std::vector<TestZone> kZones = {{"UTC", 51.4769, -0.0005},
                                      {"Europe/London", 51.5, -0.1275},
                                      {"Asia/Kolkata", 22.5333, 88.3667},
                                      {"America/New_York", 40.7142, -74.0064}};
using Start = TestApplication::Start;
} // namespace

class TestModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(systemTimeZoneName(), QStringLiteral("UTC")); }

    void selectZone_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QPointF>("marker"); // latitude, longitude
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("time"); // at noon UTC
        QTest::newRow("offered zone")
            << "Asia/Kolkata" << true << "Asia/Kolkata" << QPointF(22.5333, 88.3667)
            << "Asia/Kolkata" << 1 << "17:30:00 IST +0530";
        QTest::newRow("already selected")
            << "Europe/London" << true << "Europe/London" << QPointF(51.5, -0.1275)
            << "Europe/London" << 0 << "13:00:00 BST +0100";
        // The stored zone stays, for the day the system knows the zone again.
        QTest::newRow("vanished: the system's zone")
            << "Gone/Zone" << false << "UTC" << QPointF(51.4769, -0.0005) << "Europe/London" << 1
            << "12:00:00 UTC +0000";
        QTest::newRow("known, not in the table: marker at 0, 0")
            << "Asia/Tokyo" << true << "" << QPointF(0, 0) << "Asia/Tokyo" << 1
            << "12:00:00 UTC +0000";
    }
    void selectZone()
    {
        QFETCH(QString, zone);
        QFETCH(bool, chosen);
        QFETCH(QString, selected);
        QFETCH(QPointF, marker);
        QFETCH(QString, stored);
        QFETCH(int, changes);
        QFETCH(QString, time);
        TestApplication app(kZones, kNoon, "[General]\nDefaultTimeZone=Europe/London\n",
                            Start::Bound);
        MapModel &model = *app.model;
        QSignalSpy changed(&model, &MapModel::zoneChanged);
        QSignalSpy moved(&model, &MapModel::markerPlaceChanged);
        QSignalSpy chosenSpy(&model, &MapModel::zoneChosen);
        MessageLog log;
        QCOMPARE(model.selectZone(zone), chosen);
        QCOMPARE(model.zoneName(), selected);
        QCOMPARE(model.markerPlace().latitude, float(marker.x()));
        QCOMPARE(model.markerPlace().longitude, float(marker.y()));
        QCOMPARE(app.stored("DefaultTimeZone").toString(), stored);
        QCOMPARE(changed.count(), changes);
        QCOMPARE(moved.count(), changes);
        QCOMPARE(chosenSpy.count(), chosen ? 1 : 0);
        QCOMPARE(clockTexts(model).time, time);
        // A plain log line, not a warning.
        const QStringList expected{"Time zone doesn't exist on system: " + zone};
        QCOMPARE(log.infos(), chosen ? QStringList() : expected);
        QVERIFY(log.warnings().isEmpty());
    }

    // What a start makes of the stored preferences, and what it writes back.
    void restore_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("layers"); // grid, locations, names
        QTest::addColumn<QByteArray>("written");
        const QByteArray unknown("[General]\nDefaultTimeZone=Atlantis/Capital\n");
        const QByteArray earlier("[General]\nDefaultTimeZone=America/New_York\nShowLatLon=true\n"
                                 "ShowLocations=false\nShowLocationNames=1\n"
                                 "MainWindow=@Rect(10 20 1440 817)\n");
        QTest::newRow("first run stores nothing") << QByteArray() << int(Start::Window) << "UTC"
                                                  << "000" << QByteArray();
        QTest::newRow("unknown zone replaced and stored")
            << unknown << int(Start::Window) << "UTC"
            << "000" << QByteArray("[General]\nDefaultTimeZone=UTC\n");
        QTest::newRow("unknown zone, headless: kept") << unknown << int(Start::Headless) << "UTC"
                                                      << "000" << unknown;
        QTest::newRow("an earlier version's file")
            << earlier << int(Start::Window) << "America/New_York"
            << "101" << earlier;
    }
    void restore()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, start);
        QFETCH(QString, zone);
        QFETCH(QString, layers);
        QFETCH(QByteArray, written);
        TestApplication app(kZones, kNoon, file, Start(start));
        const MapModel &model = *app.model;
        QCOMPARE(model.zoneName(), zone);
        const QString shown = QString::number(model.showGrid()) +
                              QString::number(model.showLocations()) +
                              QString::number(model.showLocationNames());
        QCOMPARE(shown, layers);
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
        const QMetaProperty meta =
            model.metaObject()->property(model.metaObject()->indexOfProperty(property));
        QSignalSpy spy(&model, meta.notifySignal());
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

    void clockTextsFollowTheShownInstant_data()
    {
        QTest::addColumn<QTime>("utc");
        QTest::addColumn<bool>("fixed"); // else the clock's now
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        const QString sunday = QStringLiteral("Sunday, June 21, 2026");
        QTest::newRow("noon") << QTime(12, 0) << false << "17:30:00 IST +0530" << sunday;
        QTest::newRow("before midnight")
            << QTime(18, 29, 59) << false << "23:59:59 IST +0530" << sunday;
        QTest::newRow("midnight") << QTime(18, 30) << false << "0:00:00 IST +0530"
                                  << "Monday, June 22, 2026";
        QTest::newRow("fixed, before midnight")
            << QTime(18, 29, 59) << true << "23:59:59 IST +0530" << sunday;
    }
    void clockTextsFollowTheShownInstant()
    {
        QFETCH(QTime, utc);
        QFETCH(bool, fixed);
        QFETCH(QString, time);
        QFETCH(QString, date);
        TestApplication app(kZones, kNoon, "[General]\nDefaultTimeZone=Asia/Kolkata\n",
                            Start::Headless);
        MapModel &model = *app.model;
        QSignalSpy spy(&model, &MapModel::shownInstantChanged);
        const QDateTime instant(kNoon.date(), utc, QTimeZone::utc());
        if (fixed)
            model.setShownInstant(instant);
        else
            app.clock.setNow(instant);
        app.clock.advance(fixed ? 3600 * 1000 : 0);
        QCOMPARE(clockTexts(model).time, time);
        QCOMPARE(clockTexts(model).date, date);
        model.setShownInstant(instant); // once per change
        QCOMPARE(spy.count(), 1);
    }

    void placeTexts_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("New York") << "America/New_York"
                                  << QStringList{"Sunrise:  5:25", "Sunset: 20:30",
                                                 "Latitude:  40° 42' 51\" N",
                                                 "Longitude:  74°  0' 23\" W"};
        QTest::newRow("not in the table: 0, 0 in the system's zone")
            << "Asia/Tokyo"
            << QStringList{"Sunrise:  5:58", "Sunset: 18:05", "Latitude:   0°  0' N",
                           "Longitude:   0°  0' E"};
    }
    void placeTexts()
    {
        QFETCH(QString, zone);
        QFETCH(QStringList, texts);
        TestApplication app(kZones, kNoon, {}, Start::Headless);
        app.model->selectZone(zone);
        const PlaceTexts place = ::placeTexts(*app.model, kSmallPreset);
        QCOMPARE((QStringList{place.sunrise, place.sunset, place.latitude, place.longitude}),
                 texts);
    }
};

QTEST_MAIN(TestModel)
#include "tst_model.moc"
