// The controller driven through the real widgets on Qt's offscreen platform,
// with its own preferences, resources and a clock the test sets.
#include "MessageLog.h"
#include "TestApplication.h"
#include "zones/TimeZones.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

namespace {
const QDateTime kInstant(QDate(2026, 6, 21), QTime(12, 0), QTimeZone::utc());

const std::vector<TestZone> kZones = {
    {"UTC", 51.4769, -0.0005},
    {"Europe/London", 51.5, -0.1275},
    {"Asia/Kolkata", 22.5333, 88.3667},
    {"America/New_York", 40.7142, -74.0064},
};
} // namespace

class TestController : public QObject
{
    Q_OBJECT

    struct App : TestApplication
    {
        explicit App(const QVariantMap &stored = {}) : TestApplication(kZones, kInstant, stored) {}
    };

private slots:
    void initTestCase()
    {
        // The tests run with TZ=UTC: the system zone is "UTC".
        QCOMPARE(systemTimeZoneName(), QStringLiteral("UTC"));
    }

    void firstRunSelectsTheSystemZone()
    {
        App app;
        QCOMPARE(app.popUp().count(), int(kZones.size()));
        QCOMPARE(app.popUp().itemText(0), QStringLiteral("America/New_York"));
        QCOMPARE(app.popUp().currentText(), QStringLiteral("UTC"));
        QCOMPARE(app.view().geometry(), kSmallPreset);
        QCOMPARE(app.view().rawLatitude(), 51.4769f);
        QCOMPARE(app.view().latitude(), 51.4769f * 2.0f + 180.0f);
        QVERIFY(!app.stored("DefaultTimeZone").isValid());
        auto *sunrise = app.window->findChild<QLabel *>("sunriseField");
        QVERIFY(sunrise->text().startsWith(QStringLiteral("Sunrise: ")));
        QVERIFY(app.controller->timer()->isActive());
        QCOMPARE(app.controller->timer()->interval(), 100);
        QCOMPARE(app.controller->mapTimer()->interval(), 120000);
    }

    void storedZoneTheSystemNoLongerKnows()
    {
        App app({{"DefaultTimeZone", "Atlantis/Capital"}});
        QCOMPARE(app.popUp().currentText(), QStringLiteral("UTC"));
        QCOMPARE(app.stored("DefaultTimeZone").toString(), QStringLiteral("UTC"));
    }

    void storedZoneIsSelectedAndTheTextsFollowTheClock()
    {
        App app({{"DefaultTimeZone", "Asia/Kolkata"}});
        QCOMPARE(app.popUp().currentText(), QStringLiteral("Asia/Kolkata"));
        const auto tick = [&app](const QString &time, const QString &date) {
            app.controller->updateTime();
            QCOMPARE(app.window->timeField()->text(), time);
            QCOMPARE(app.window->dateField()->text(), date);
        };
        tick("17:30:00 IST +0530", "Sunday, June 21, 2026");
        // One second before the local midnight, then the midnight.
        app.clock.setNow(QDateTime(QDate(2026, 6, 21), QTime(18, 29, 59), QTimeZone::utc()));
        tick("23:59:59 IST +0530", "Sunday, June 21, 2026");
        app.clock.advance(1000);
        tick("0:00:00 IST +0530", "Monday, June 22, 2026");
    }

    void zoneChosenInThePopUp()
    {
        App app;
        app.popUp().setCurrentIndex(app.popUp().findText("America/New_York"));
        app.controller->changeMapDot(&app.popUp());
        QCOMPARE(app.stored("DefaultTimeZone").toString(), QStringLiteral("America/New_York"));
        QCOMPARE(app.view().rawLongitude(), -74.0064f);
        QCOMPARE(app.window->findChild<QLabel *>("latitudeField")->text(),
                 QStringLiteral("Latitude:  40° 42' 51\" N"));
        app.controller->updateTime();
        QCOMPARE(app.window->timeField()->text(), QStringLiteral("8:00:00 EDT -0400"));
    }

    void zoneChosenFromTheContextualMenu()
    {
        App app;
        QAction item(QStringLiteral("Asia/Kolkata"));
        emit app.view().zoneItemChosen(&item);
        QCOMPARE(app.popUp().currentText(), QStringLiteral("Asia/Kolkata"));
        QCOMPARE(app.stored("DefaultTimeZone").toString(), QStringLiteral("Asia/Kolkata"));
    }

    void zoneThatVanishedSinceStartUp()
    {
        App app({{"DefaultTimeZone", "Europe/London"}});
        app.popUp().addItem(QStringLiteral("Gone/Zone"));
        app.popUp().setCurrentIndex(app.popUp().findText("Gone/Zone"));
        MessageLog log;
        app.controller->changeMapDot(&app.popUp());
        // A plain log line, not a warning.
        QCOMPARE(log.infos().count(QStringLiteral("Time zone doesn't exist on system: Gone/Zone")),
                 1);
        QVERIFY(log.warnings().isEmpty());
        QCOMPARE(app.popUp().currentText(), QStringLiteral("UTC"));
        QCOMPARE(app.view().rawLatitude(), 51.4769f);
        QCOMPARE(app.stored("DefaultTimeZone").toString(), QStringLiteral("Europe/London"));
    }

    void validZoneWithoutTableEntry()
    {
        App app;
        QAction item(QStringLiteral("Asia/Tokyo"));
        app.controller->changeMapDot(&item);
        QCOMPARE(app.stored("DefaultTimeZone").toString(), QStringLiteral("Asia/Tokyo"));
        QCOMPARE(app.view().longitude(), 360.0f);
        QCOMPARE(app.view().latitude(), 180.0f);
    }

    void zoomSwitchesPresetsAndKeepsTheMarker()
    {
        App app({{"DefaultTimeZone", "Europe/London"}});
        app.view().zoomWindow();
        QCOMPARE(app.view().geometry(), kLargePreset);
        QCOMPARE(app.window->size(), QSize(1440, 817));
        QCOMPARE(app.view().size(), QSize(1440, 720));
        QCOMPARE(app.view().latitude(), 51.5f * 4.0f + 360.0f);
        app.view().zoomWindow();
        QCOMPARE(app.view().geometry(), kSmallPreset);
        QCOMPARE(app.window->size(), QSize(720, 457));
        QCOMPARE(app.view().longitude(), -0.1275f * 2.0f + 360.0f);
    }

    void savedFrames_data()
    {
        QTest::addColumn<QVariant>("frame");
        QTest::addColumn<QSize>("windowSize");
        QTest::newRow("large preset") << QVariant(QRect(10, 20, 1440, 817)) << QSize(1440, 817);
        QTest::newRow("small preset") << QVariant(QRect(10, 20, 720, 457)) << QSize(720, 457);
        QTest::newRow("other size: position only")
            << QVariant(QRect(10, 20, 800, 600)) << QSize(720, 457);
        QTest::newRow("width beyond int")
            << QVariant(QRect(QPoint(-2147483647 - 1, 0), QPoint(0, 100))) << QSize(720, 457);
        QTest::newRow("not a frame") << QVariant(QStringLiteral("garbage")) << QSize(720, 457);
    }
    void savedFrames()
    {
        QFETCH(QVariant, frame);
        QFETCH(QSize, windowSize);
        App app({{"MainWindow", frame}});
        QCOMPARE(app.window->size(), windowSize);
        QCOMPARE(app.view().geometry(), windowSize.width() == 1440 ? kLargePreset : kSmallPreset);
    }

    void closingStopsBothTimers()
    {
        App app;
        QPointer<QTimer> timer = app.controller->timer();
        QVERIFY(app.controller->applicationShouldTerminateAfterLastWindowClosed());
        QVERIFY(!app.controller->timer());
        QVERIFY(!app.controller->mapTimer());
        QVERIFY(timer.isNull());
    }
};

QTEST_MAIN(TestController)
#include "tst_controller.moc"
