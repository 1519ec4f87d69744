// The map view on Qt's offscreen platform: display flags and their storage,
// the contextual menu, and the JPEG export.
#include "TestResources.h"
#include "platform/Clock.h"
#include "platform/Preferences.h"
#include "platform/Resources.h"
#include "widgets/MapView.h"

#include <QAction>
#include <QComboBox>
#include <QImageReader>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include <memory>

#include <unistd.h>

namespace {
const QDateTime kInstant(QDate(2007, 3, 21), QTime(18, 40), QTimeZone::utc());

// The mean and the largest difference of the colour channels of two images.
std::pair<double, int> channelDifferences(const QImage &a, const QImage &b)
{
    double sum = 0;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                sum += qAbs(d);
                worst = std::max(worst, qAbs(d));
            }
        }
    }
    return {sum / (3.0 * a.width() * a.height()), worst};
}
} // namespace

class TestMapView : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        QTemporaryDir dir;
        std::unique_ptr<Preferences> preferences;
        ManualClock clock{kInstant};
        std::unique_ptr<Resources> resources;
        QComboBox popUp;
        std::unique_ptr<MapView> view;

        explicit Fixture(const std::vector<TestZone> &zones, MapGeometry size = kSmallPreset)
        {
            QVERIFY(makeTestResources(dir, zones));
            preferences = std::make_unique<Preferences>(dir.filePath("prefs/duskmap.conf"));
            resources = std::make_unique<Resources>(dir.path());
            view = std::make_unique<MapView>(*preferences, clock, *resources,
                                             QSizeF(size.mapWidth, size.mapHeight));
            view->setFixedSize(size.mapWidth, size.mapHeight);
            view->setOutlets(&popUp, nullptr, nullptr, nullptr, nullptr, nullptr);
            view->awakeFromNib();
            popUp.addItems(view->timeZoneDictionary().validSortedNames());
        }
        QVariant stored(const char *key)
        {
            return QSettings(preferences->filePath(), QSettings::IniFormat).value(key);
        }
    };

    static QStringList titles(const QMenu *menu)
    {
        QStringList result;
        for (const QAction *action : menu->actions())
            result << (action->isSeparator() ? QStringLiteral("---") : action->text());
        return result;
    }

private slots:
    void displayOptionsByTag_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("key");
        QTest::newRow("tag 0 -> grid") << 0 << "ShowLatLon";
        QTest::newRow("tag 1 -> locations") << 1 << "ShowLocations";
        QTest::newRow("tag 2 -> location names") << 2 << "ShowLocationNames";
        QTest::newRow("tag 7 -> nothing: all off, defaults not written") << 7 << "";
    }
    void displayOptionsByTag()
    {
        QFETCH(int, tag);
        QFETCH(QString, key);
        Fixture f({});
        QAction item;
        item.setData(tag);
        f.view->changeDisplayOptions(&item);
        const auto flags = [](const MapView &view) {
            return QList<bool>{view.showLatLonGrid(), view.showLocations(),
                               view.showLocationNames()};
        };
        const QList<bool> expected{tag == 0, tag == 1, tag == 2};
        QCOMPARE(flags(*f.view), expected);
        if (key.isEmpty()) {
            QVERIFY(!QFile::exists(f.preferences->filePath()));
            return;
        }
        QCOMPARE(f.stored(qPrintable(key)).toBool(), true);
        // A view made later reads the flags at wake-up.
        MapView later(*f.preferences, f.clock, *f.resources, QSizeF(720, 360));
        later.awakeFromNib();
        QCOMPARE(flags(later), expected);
        // A second toggle restores the flag and stores it, not removes it.
        f.view->changeDisplayOptions(&item);
        QCOMPARE(f.stored(qPrintable(key)).toString(), QStringLiteral("false"));
    }

    void contextMenu_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QPoint>("click"); // view coordinates, y up
        QTest::addColumn<QStringList>("expected");
        const QString grid = QStringLiteral("Show Latitude/Longitude Grid");
        const QString squares = QStringLiteral("Show Locations");
        QTest::newRow("small, origin: open 10-degree bounds")
            << false << QPoint(360, 180)
            << QStringList{grid, squares, "---", "Africa/Abidjan", "Europe/London"};
        QTest::newRow("small, nothing near")
            << false << QPoint(100, 300) << QStringList{grid, squares};
        QTest::newRow("small, across the 180th meridian")
            << false << QPoint(719, 180) << QStringList{grid, squares, "---", "Pacific/Fiji"};
        QTest::newRow("large, 35 N 70 E")
            << true << QPoint(1000, 500) << QStringList{grid, squares, "---", "Asia/Kabul"};
    }
    void contextMenu()
    {
        QFETCH(bool, large);
        QFETCH(QPoint, click);
        QFETCH(QStringList, expected);
        // Europe/London at 9.9 N 9.9 W is near the origin; Africa/Lagos at
        // exactly 10 N is not, nor is Africa/Accra at exactly 10 W. Fiji sits at
        // 179.5 W. "Not/AZone" is near but unknown to the system.
        Fixture f({{"Europe/London", 9.9, -9.9},
                   {"Africa/Lagos", 10.0, 0.0},
                   {"Africa/Accra", 0.0, -10.0},
                   {"Africa/Abidjan", -5.0, 5.0},
                   {"Not/AZone", 1.0, 1.0},
                   {"Pacific/Fiji", 0.0, -179.5},
                   {"Asia/Kabul", 34.5, 69.2}},
                  large ? kLargePreset : kSmallPreset);
        const QPoint widgetPoint(click.x(), f.view->height() - click.y());
        std::unique_ptr<QMenu> menu(f.view->menuForEvent(widgetPoint));
        QCOMPARE(titles(menu.get()), expected);
        QCOMPARE(menu->title(), QStringLiteral("Contextual Menu"));
        QCOMPARE(menu->actions().at(0)->data().toInt(), 0);
        QCOMPARE(menu->actions().at(1)->data().toInt(), 1);
    }

    void menuTitlesFollowTheFlagsAndRoute()
    {
        Fixture f({{"Europe/London", 51.5, -0.1}});
        f.view->changeShowGrid();
        std::unique_ptr<QMenu> menu(f.view->tzMenu());
        QCOMPARE(titles(menu.get()),
                 (QStringList{"Hide Latitude/Longitude Grid", "Show Locations"}));
        // Choosing item 2 toggles the squares.
        menu->actions().at(1)->trigger();
        QVERIFY(f.view->showLocations());
        menu->actions().at(0)->trigger();
        QVERIFY(!f.view->showLatLonGrid());
        std::unique_ptr<QMenu> next(f.view->tzMenu());
        QCOMPARE(next->actions().at(0)->text(), QStringLiteral("Show Latitude/Longitude Grid"));

        // A zone item reaches the controller's slot with the item as sender.
        QObject *received = nullptr;
        connect(f.view.get(), &MapView::zoneItemChosen, this,
                [&received](QObject *sender) { received = sender; });
        const QPoint nearLondon(358, f.view->height() - (180 + 103));
        std::unique_ptr<QMenu> zones(f.view->menuForEvent(nearLondon));
        QAction *london = zones->actions().last();
        QCOMPARE(london->text(), QStringLiteral("Europe/London"));
        london->trigger();
        QCOMPARE(received, london);
    }

    void exportWritesTheLastFrame_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("small, extension kept") << false << "map.jpg"
                                               << "map.jpg";
        QTest::newRow("large, extension added") << true << "map"
                                                << "map.jpg";
        QTest::newRow("other extension -> .jpg appended") << false << "map.png"
                                                          << "map.png.jpg";
        QTest::newRow("cancelled: nothing written") << false << "map.jpg"
                                                    << "";
    }
    void exportWritesTheLastFrame()
    {
        QFETCH(bool, large);
        QFETCH(QString, name);
        QFETCH(QString, written);
        const MapGeometry size = large ? kLargePreset : kSmallPreset;
        Fixture f({{"Europe/London", 51.5, -0.1}}, size);
        const QImage frame = f.view->renderFrame(kInstant).convertToFormat(QImage::Format_RGB32);
        // The clock moves on; the export still saves the frame as drawn.
        f.clock.advance(6 * 3600 * 1000);
        f.view->setSavePanel([&](MapView *, std::function<void(int, QString)> done) {
            done(written.isEmpty() ? 0 : 1, f.dir.filePath(name));
        });
        f.view->saveJPEG();
        if (written.isEmpty()) {
            QVERIFY(QDir(f.dir.path()).entryList({"map*"}).isEmpty());
            return;
        }
        QImageReader reader(f.dir.filePath(written));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage saved = reader.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), QSize(size.mapWidth, size.mapHeight));
        const auto [mean, worst] = channelDifferences(saved, frame);
        QVERIFY(mean < 2.0);
        QVERIFY(worst < 96);
    }

    void failedExportIsReportedAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("existing");
        // A regular file where the directory should be defeats even root.
        QTest::newRow("parent is a file") << "locked";
        QTest::newRow("read-only directory") << "locked/map.jpg";
    }
    void failedExportIsReportedAndKeepsTheOldFile()
    {
        QFETCH(QString, existing);
        const bool readOnlyDirectory = existing != "locked";
        if (readOnlyDirectory && geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        Fixture f({});
        f.view->renderFrame(kInstant);
        const QString locked = f.dir.filePath("locked");
        if (readOnlyDirectory)
            QVERIFY(QDir().mkdir(locked));
        QFile old(f.dir.filePath(existing));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
        old.close();
        if (readOnlyDirectory)
            QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        QString reported;
        f.view->setErrorReporter([&](MapView *, const QString &message) { reported = message; });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save"));
        QVERIFY(!f.view->didEnd(1, locked + "/map.jpg"));
        QVERIFY2(reported.contains(locked + "/map.jpg"), qPrintable(reported));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old contents"));
        if (readOnlyDirectory)
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(TestMapView)
#include "tst_mapview.moc"
