#include "MessageLog.h"
#include "platform/Resources.h"
#include "zones/TimeZoneTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

QVariantList entry(const QVariant &latitude, const QVariant &longitude)
{
    return {latitude, longitude};
}

} // namespace

Q_DECLARE_METATYPE(ZonePlace)

class TestTimeZoneTable : public QObject
{
    Q_OBJECT

private slots:
    void sortsCaseInsensitively()
    {
        QVariantMap entries;
        for (const char *name : {"Europe/Zurich", "america/lima", "America/La_Paz", "Zulu", "zulu",
                                 "Asia/Tokyo", "ZULU"})
            entries.insert(name, entry(1, 1));
        // Code-point order would put "america/lima" and "zulu" after every capital.
        QCOMPARE(TimeZoneTable(entries).sortedNames(),
                 (QStringList{"America/La_Paz", "america/lima", "Asia/Tokyo", "Europe/Zurich",
                              "ZULU", "Zulu", "zulu"}));
    }

    void places_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<ZonePlace>("place");
        QTest::addColumn<int>("warnings");
        const auto row = [](const char *name, const QVariant &value, ZonePlace place,
                            int warnings) { QTest::newRow(name) << value << place << warnings; };
        row("reals", entry(52.5, 13.3667), {52.5f, 13.3667f}, 0);
        row("numeric strings", entry("52.5", "13.3667"), {52.5f, 13.3667f}, 0);
        row("strings with spaces", entry(" -33.8667 ", "151.2167\n"), {-33.8667f, 151.2167f}, 0);
        row("integers", entry(qint64(-34), qint64(-58)), {-34.0f, -58.0f}, 0);
        row("extra elements ignored", QVariantList{1.5, 2.5, "three", QVariantMap{}}, {1.5f, 2.5f},
            0);
        row("one element", QVariantList{12.0}, {12.0f, 0.0f}, 1);
        row("no elements", QVariantList{}, {0.0f, 0.0f}, 1);
        row("not an array", QStringLiteral("52.5,13.4"), {0.0f, 0.0f}, 1);
        row("non-numeric latitude", entry("north", 13.4), {0.0f, 13.4f}, 1);
        row("numeric prefix only", entry("52.5N", "13.4"), {0.0f, 13.4f}, 1);
        row("boolean longitude", entry(52.5, true), {52.5f, 0.0f}, 1);
        row("not finite", entry("nan", "inf"), {0.0f, 0.0f}, 1);
        row("beyond float", entry(1e39, -1e39), {0.0f, 0.0f}, 1);
    }
    void places()
    {
        QFETCH(QVariant, value);
        QFETCH(ZonePlace, place);
        QFETCH(int, warnings);
        // Each faulty entry is reported once per run, however often it is read (the
        // count is per process, so every row names its own zone).
        const QString name = QStringLiteral("Zone/") + QString::fromLatin1(QTest::currentDataTag());
        const TimeZoneTable table(QVariantMap{{name, value}});
        MessageLog log;
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(table.placeOf(name).latitude, place.latitude);
            QCOMPARE(table.placeOf(name).longitude, place.longitude);
        }
        QCOMPARE(int(log.warnings().size()), warnings);
    }

    void missingOrCorruptResourceGivesEmptyTable_data()
    {
        QTest::addColumn<QByteArray>("contents"); // null: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("garbage") << QByteArray("TimeZones, but not a property list");
    }
    void missingOrCorruptResourceGivesEmptyTable()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        QFile file(dir.filePath("TimeZones.plist"));
        QVERIFY(contents.isNull() || (file.open(QIODevice::WriteOnly) && file.write(contents)));
        file.close();
        MessageLog log;
        const TimeZoneTable table = TimeZoneTable::load(Resources(dir.path()));
        QVERIFY(table.sortedNames().isEmpty());
        QCOMPARE(table.placeOf("UTC").latitude, 0.0f);
        QVERIFY(zoneListing(table).isEmpty());
        QCOMPARE(log.warnings().size(), 1);
    }

    void unknownZoneIsListedButNotOffered()
    {
        const TimeZoneTable table(QVariantMap{{"Europe/Berlin", entry(52.5, 13.3667)},
                                              {"Atlantis/Poseidonia", entry(31, -24)},
                                              {"Australia/Sydney", entry("-33.8667", 151.2167)},
                                              {"UTC", entry(51.4769, -0.0005)}});
        QCOMPARE(table.unsortedNames().size(), 4);
        QVERIFY(table.unsortedNames().contains("Atlantis/Poseidonia"));
        QCOMPARE(table.validSortedNames(),
                 (QStringList{"Australia/Sydney", "Europe/Berlin", "UTC"}));
        QVERIFY(!TimeZoneTable::isValidZone("Atlantis/Poseidonia"));
        // The listing gives the shortest plain text that reads back as the same float.
        QCOMPARE(zoneListing(table), QStringLiteral("Australia/Sydney\t-33.8667\t151.2167\n"
                                                    "Europe/Berlin\t52.5\t13.3667\n"
                                                    "UTC\t51.4769\t-0.0005\n"));
    }

    void embeddedTable()
    {
        const TimeZoneTable table = TimeZoneTable::load(Resources());
        const QStringList names = table.sortedNames();
        // Every zone of the tz database's zone.tab is there, and known to the system.
        QFile zoneTab(DUSKMAP_ZONE_TAB);
        if (zoneTab.open(QIODevice::ReadOnly | QIODevice::Text)) {
            int zones = 0;
            for (const QByteArray &line : zoneTab.readAll().split('\n')) {
                if (line.startsWith('#') || line.trimmed().isEmpty())
                    continue;
                const QString name = QString::fromUtf8(line.split('\t').value(2).trimmed());
                QVERIFY2(names.contains(name), qPrintable(name));
                ++zones;
            }
            QCOMPARE(names.size(), zones + 3);
        }
        QCOMPARE(table.validSortedNames(), names);
        // Greenwich for the zones without a place; Kolkata at +2232+08822 and
        // St Johns at +4734-05243 in zone.tab.
        const QList<std::pair<QString, ZonePlace>> places = {
            {"UTC", {51.4769f, -0.0005f}},
            {"Etc/UTC", {51.4769f, -0.0005f}},
            {"GMT", {51.4769f, -0.0005f}},
            {"Asia/Kolkata", {22.5333f, 88.3667f}},
            {"America/St_Johns", {47.5667f, -52.7167f}}};
        for (const auto &[name, place] : places) {
            QCOMPARE(table.placeOf(name).latitude, place.latitude);
            QCOMPARE(table.placeOf(name).longitude, place.longitude);
        }
        for (const QString &name : names) {
            const ZonePlace place = table.placeOf(name);
            QVERIFY(std::abs(place.latitude) <= 90.0f && std::abs(place.longitude) <= 180.0f);
        }
    }
};

QTEST_GUILESS_MAIN(TestTimeZoneTable)
#include "tst_timezonetable.moc"
