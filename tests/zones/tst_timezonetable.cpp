#include "MessageLog.h"
#include "TestResources.h"
#include "platform/Resources.h"
#include "zones/TimeZoneTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <charconv>
#include <cmath>

namespace {

QVariantList entry(const QVariant &latitude, const QVariant &longitude)
{
    return {latitude, longitude};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestTimeZoneTable : public QObject
{
    Q_OBJECT

private slots:
    void sortsCaseInsensitively()
    {
        const TimeZoneTable table(QVariantMap{{"Europe/Zurich", entry(1, 1)},
                                              {"america/lima", entry(2, 2)},
                                              {"America/La_Paz", entry(3, 3)},
                                              {"Zulu", entry(4, 4)},
                                              {"zulu", entry(5, 5)},
                                              {"Asia/Tokyo", entry(6, 6)},
                                              {"ZULU", entry(7, 7)}});
        // Code-point order would put "america/lima" and "zulu" after every capital.
        const QStringList expected{"America/La_Paz", "america/lima", "Asia/Tokyo", "Europe/Zurich",
                                   "ZULU",           "Zulu",         "zulu"};
        QCOMPARE(table.sortedNames(), expected);
        QCOMPARE(table.count(), 7);
        QVERIFY(table.contains("zulu"));
        QVERIFY(!table.contains("ZuLu"));
    }

    void places_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<float>("latitude");
        QTest::addColumn<float>("longitude");
        QTest::addColumn<int>("warnings");

        QTest::newRow("reals") << QVariant(entry(52.5, 13.3667)) << 52.5f << 13.3667f << 0;
        QTest::newRow("numeric strings")
            << QVariant(entry("52.5", "13.3667")) << 52.5f << 13.3667f << 0;
        QTest::newRow("strings with spaces")
            << QVariant(entry(" -33.8667 ", "151.2167\n")) << -33.8667f << 151.2167f << 0;
        QTest::newRow("integers") << QVariant(entry(qint64(-34), qint64(-58))) << -34.0f << -58.0f
                                  << 0;
        QTest::newRow("extra elements ignored")
            << QVariant(QVariantList{1.5, 2.5, "three", QVariantMap{}}) << 1.5f << 2.5f << 0;
        QTest::newRow("one element") << QVariant(QVariantList{12.0}) << 12.0f << 0.0f << 1;
        QTest::newRow("no elements") << QVariant(QVariantList{}) << 0.0f << 0.0f << 1;
        QTest::newRow("not an array") << QVariant(QStringLiteral("52.5,13.4")) << 0.0f << 0.0f << 1;
        QTest::newRow("non-numeric latitude")
            << QVariant(entry("north", 13.4)) << 0.0f << 13.4f << 1;
        QTest::newRow("numeric prefix only")
            << QVariant(entry("52.5N", "13.4")) << 0.0f << 13.4f << 1;
        QTest::newRow("boolean longitude") << QVariant(entry(52.5, true)) << 52.5f << 0.0f << 1;
        QTest::newRow("not finite") << QVariant(entry("nan", "inf")) << 0.0f << 0.0f << 1;
        QTest::newRow("beyond float") << QVariant(entry(1e39, -1e39)) << 0.0f << 0.0f << 1;
    }
    void places()
    {
        QFETCH(QVariant, value);
        QFETCH(float, latitude);
        QFETCH(float, longitude);
        QFETCH(int, warnings);
        // Each faulty entry is reported once per run, however often it is read (the
        // count is per process, so every row names its own zone).
        const QString name = QStringLiteral("Zone/") + QString::fromLatin1(QTest::currentDataTag());
        const TimeZoneTable table(QVariantMap{{name, value}});
        MessageLog log;
        for (int k = 0; k < 3; ++k) {
            const ZonePlace place = table.placeOf(name);
            QCOMPARE(place.latitude, latitude);
            QCOMPARE(place.longitude, longitude);
        }
        QCOMPARE(int(log.warnings().size()), warnings);
    }

    void missingOrCorruptResourceGivesEmptyTable_data()
    {
        QTest::addColumn<QByteArray>("contents"); // null: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("garbage") << QByteArray("TimeZones, but not a property list");
        QTest::newRow("root is an array")
            << QByteArray("<plist version=\"1.0\"><array><string>UTC</string></array></plist>");
        QTest::newRow("truncated")
            << QByteArray("<plist version=\"1.0\"><dict><key>UTC</key><array><real>51.4");
    }
    void missingOrCorruptResourceGivesEmptyTable()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        if (!contents.isNull())
            writeFile(dir.filePath("TimeZones.plist"), contents);
        MessageLog log;
        const TimeZoneTable table = TimeZoneTable::load(Resources(dir.path()));
        QVERIFY(table.isEmpty());
        QVERIFY(table.validSortedNames().isEmpty());
        QCOMPARE(table.placeOf("UTC").latitude, 0.0f);
        QCOMPARE(log.warnings().size(), 1);
        QVERIFY(zoneListing(table).isEmpty());
    }

    void unknownZoneIsListedButNotOffered()
    {
        const TimeZoneTable table(QVariantMap{{"Europe/Berlin", entry(52.5, 13.3667)},
                                              {"Atlantis/Poseidonia", entry(31, -24)},
                                              {"Asia/Kolkata", entry("22.5333", 88.3667)},
                                              {"UTC", entry(51.4769, -0.0005)}});
        QCOMPARE(table.unsortedNames().size(), 4);
        QVERIFY(table.unsortedNames().contains("Atlantis/Poseidonia"));
        QCOMPARE(table.validSortedNames(), (QStringList{"Asia/Kolkata", "Europe/Berlin", "UTC"}));
        QVERIFY(!TimeZoneTable::isValidZone("Atlantis/Poseidonia"));
        QVERIFY(TimeZoneTable::isValidZone("Europe/Berlin"));
        // The listing gives the shortest text that reads back as the same float.
        QCOMPARE(zoneListing(table), QStringLiteral("Asia/Kolkata\t22.5333\t88.3667\n"
                                                    "Europe/Berlin\t52.5\t13.3667\n"
                                                    "UTC\t51.4769\t-0.0005\n"));
    }

    void embeddedTable()
    {
        const TimeZoneTable table = TimeZoneTable::load(Resources());
        QVERIFY(!table.isEmpty());

        // Every zone of the tz database's zone.tab is there, and known to the system.
        QFile zoneTab(DUSKMAP_ZONE_TAB);
        if (zoneTab.open(QIODevice::ReadOnly | QIODevice::Text)) {
            int zones = 0;
            while (!zoneTab.atEnd()) {
                const QString line = QString::fromUtf8(zoneTab.readLine());
                if (line.startsWith('#') || line.trimmed().isEmpty())
                    continue;
                const QString name = line.split('\t').value(2).trimmed();
                QVERIFY2(table.contains(name), qPrintable(name));
                ++zones;
            }
            QCOMPARE(table.count(), zones + 3);
        }
        QCOMPARE(table.validSortedNames(), table.sortedNames());

        // Greenwich for the zones without a place; Kolkata at +2232+08822 and
        // St Johns at +4734-05243 in zone.tab.
        const std::vector<TestZone> places = {{"UTC", 51.4769f, -0.0005f},
                                              {"Etc/UTC", 51.4769f, -0.0005f},
                                              {"GMT", 51.4769f, -0.0005f},
                                              {"Asia/Kolkata", 22.5333f, 88.3667f},
                                              {"America/St_Johns", 47.5667f, -52.7167f}};
        for (const TestZone &zone : places) {
            QCOMPARE(table.placeOf(zone.name).latitude, float(zone.latitude));
            QCOMPARE(table.placeOf(zone.name).longitude, float(zone.longitude));
        }
        for (const QString &name : table.sortedNames()) {
            const ZonePlace place = table.placeOf(name);
            QVERIFY(std::abs(place.latitude) <= 90.0f && std::abs(place.longitude) <= 180.0f);
        }

        // Each listed coordinate reads back as the very float of the table.
        const QStringList lines = zoneListing(table).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), table.count());
        for (const QString &line : lines) {
            const QStringList fields = line.split('\t');
            QCOMPARE(fields.size(), 3);
            const ZonePlace place = table.placeOf(fields[0]);
            for (int k : {1, 2}) {
                const QByteArray text = fields[k].toLatin1();
                float value = 0.0f;
                const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
                QVERIFY(result.ec == std::errc() && result.ptr == text.data() + text.size());
                QVERIFY(value == (k == 1 ? place.latitude : place.longitude));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTimeZoneTable)
#include "tst_timezonetable.moc"
