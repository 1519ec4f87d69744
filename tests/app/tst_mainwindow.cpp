// The window on Qt's offscreen platform: the zone pop-up, the contextual menu,
// the display actions, zoom, the saved frame, the export and the clock.
#include "TestApplication.h"
#include "render/FrameRenderer.h"
#include "widgets/MapWidget.h"

#include <QComboBox>
#include <QImageReader>
#include <QMenu>
#include <QSignalSpy>

#include <unistd.h>

namespace {
const QDateTime kNoon(QDate(2026, 6, 21), QTime(12, 0), QTimeZone::utc());
const std::vector<TestZone> kZones = {{"UTC", 51.4769, -0.0005},
                                      {"Europe/London", 51.5, -0.1275},
                                      {"Asia/Kolkata", 22.5333, 88.3667},
                                      {"America/New_York", 40.7142, -74.0064}};

QStringList titles(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions())
        result << (action->isSeparator() ? QStringLiteral("---") : action->text());
    return result;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
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
        QCOMPARE(app.model->markerPlace().longitude, -74.0064f);
        QCOMPARE(app.text("latitudeField"), QStringLiteral("Latitude:  40° 42' 51\" N"));
        QCOMPARE(app.text("timeField"), QStringLiteral("8:00:00 EDT -0400"));
        QCOMPARE(app.text("dateField"), QStringLiteral("Sunday, June 21, 2026"));
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
        QStringList expected{"Show Latitude/Longitude Grid", "Show Locations"};
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
        QCOMPARE(app.model->zoneName(), zones.last());
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
        QTest::addColumn<QSize>("size");
        QTest::newRow("large preset") << QByteArray("@Rect(10 20 1440 817)") << QSize(1440, 817);
        QTest::newRow("small preset") << QByteArray("@Rect(10 20 720 457)") << QSize(720, 457);
        QTest::newRow("other size") << QByteArray("@Rect(10 20 800 600)") << QSize(720, 457);
        QTest::newRow("width beyond int")
            << QByteArray("@Rect(-2147483648 0 -2147483647 101)") << QSize(720, 457);
        QTest::newRow("not a frame") << QByteArray("garbage") << QSize(720, 457);
    }
    void savedFrames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QSize, size);
        TestApplication app(kZones, kNoon, "[General]\nMainWindow=" + frame + "\n");
        QCOMPARE(app.window->size(), size);
        QCOMPARE(app.window->mapWidget()->width(), size.width());
        if (size.width() == 1440 || frame.contains("800"))
            QCOMPARE(app.window->pos(), QPoint(10, 20));
    }

    void exportJpeg_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("small, extension kept") << false << "map.jpg"
                                               << "map.jpg";
        QTest::newRow("large, extension added") << true << "map"
                                                << "map.jpg";
        QTest::newRow("other extension: .jpg added") << false << "map.png"
                                                     << "map.png.jpg";
        // A regular file where the directory should be defeats even root.
        QTest::newRow("parent is a file") << false << "locked/map.jpg"
                                          << "";
        QTest::newRow("read-only directory") << false << "locked/map.jpg"
                                             << "locked/map.jpg";
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
        if (name.startsWith("locked")) {
            if (!written.isEmpty() && geteuid() == 0)
                QSKIP("permissions do not bind the superuser");
            QFile old(written.isEmpty() ? app.dir.filePath("locked") : path);
            QVERIFY(written.isEmpty() || QDir(app.dir.path()).mkdir("locked"));
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            old.close();
            QFile::setPermissions(app.dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save"));
            const QString message = app.window->exportJpeg(path);
            QVERIFY2(message.contains(path), qPrintable(message));
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old"));
            QFile::setPermissions(app.dir.filePath("locked"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
