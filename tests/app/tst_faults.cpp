// Each resource missing, empty, truncated or corrupt in turn: the application
// still starts, reports the fault once, and draws what it can.
#include "MessageLog.h"
#include "TestApplication.h"
#include "platform/LocalizedStrings.h"
#include "widgets/MapWidget.h"

#include <QComboBox>
#include <QSet>

namespace {
enum class Fault
{
    Missing,
    Empty,
    Truncated,
    Corrupt
};
const std::pair<Fault, const char *> kFaults[] = {{Fault::Missing, "missing"},
                                                  {Fault::Empty, "empty"},
                                                  {Fault::Truncated, "truncated"},
                                                  {Fault::Corrupt, "corrupt"}};

bool applyFault(const QString &path, Fault fault)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    file.close();
    if (fault == Fault::Missing)
        return file.remove();
    bytes.truncate(fault == Fault::Empty       ? 0
                   : fault == Fault::Truncated ? bytes.size() / 2
                                               : bytes.size());
    // Corrupt: garbled throughout, from just after its first byte.
    for (qsizetype i = 1; fault == Fault::Corrupt && i < bytes.size(); i += 7)
        bytes[i] = char(bytes[i] ^ 0x5a);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}
} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void resourceFaults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("fault");
        for (const char *file : {"EarthMap720.ppm", "NightMap720.ppm", "EarthMap1440.ppm",
                                 "NightMap1440.ppm", "TimeZones.plist"})
            for (const auto &[fault, name] : kFaults)
                QTest::addRow("%s %s", file, name) << QString::fromLatin1(file) << int(fault);
    }
    void resourceFaults()
    {
        QFETCH(QString, file);
        QFETCH(int, fault);
        MessageLog log;
        TestApplication app({{"UTC", 51.4769, -0.0005}, {"Europe/Paris", 48.8667, 2.3333}},
                            QDateTime(QDate(2026, 6, 21), QTime(18, 40), QTimeZone::utc()),
                            "[General]\nShowLocations=true\n", TestApplication::Window,
                            [&](const QTemporaryDir &dir) {
                                QVERIFY(applyFault(dir.filePath(file), Fault(fault)));
                            });
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
        QTest::addColumn<int>("fault");
        for (const auto &[fault, name] : kFaults)
            QTest::newRow(name) << int(fault);
    }
    void stringsTableFaults()
    {
        QFETCH(int, fault);
        QTemporaryDir dir;
        const QString table = dir.filePath("duskmap_en.qm");
        QVERIFY(QFile::copy(":/duskmap/translations/duskmap_en.qm", table));
        QFile::setPermissions(table, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(applyFault(table, Fault(fault)));
        MessageLog log;
        // The menu still gets a title: the English one or, failing that, the key.
        for (int i = 0; i < 3; ++i) {
            const QString title =
                localizedString(QStringLiteral("ShowLocations"), QLocale::c(), dir.path());
            QVERIFY2(title == QLatin1String("Show Locations") ||
                         title == QLatin1String("ShowLocations"),
                     qPrintable(title));
        }
        QVERIFY(log.warnings().size() <= 1);
        if (Fault(fault) == Fault::Missing || Fault(fault) == Fault::Empty)
            QCOMPARE(log.warnings().size(), 1);
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
