#include "MessageLog.h"
#include "platform/Resources.h"
#include "zones/ClockChange.h"
#include "zones/NearbyZones.h"
#include "zones/TimeZoneTable.h"
#include "zones/ZoneSearch.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <charconv>
#include <cmath>

namespace {

const auto entry = [](const QVariant &lat, const QVariant &lon) { return QVariantList{lat, lon}; };

// The shortest texts that read back as the same floats.
QString placeText(const TimeZoneTable &table, const QString &name)
{
    const ZonePlace place = table.placeOf(name);
    char text[64];
    char *end = std::to_chars(text, text + 31, place.latitude, std::chars_format::fixed).ptr;
    *end++ = ' ';
    end = std::to_chars(end, text + 64, place.longitude, std::chars_format::fixed).ptr;
    return QString::fromLatin1(text, end - text);
}

const QStringList kZones =
    QStringLiteral("America/Argentina/Buenos_Aires America/Argentina/Cordoba "
                   "America/Indiana/Indianapolis America/New_York America/North_Dakota/New_Salem "
                   "America/Sao_Paulo Asia/Ho_Chi_Minh Asia/Kolkata Asia/Tokyo Atlantic/Reykjavik "
                   "Europe/Berlin Europe/Busingen Europe/Zurich Pacific/Auckland")
        .split(u' ');

} // namespace

class TestZones : public QObject
{
    Q_OBJECT

private slots:
    void names()
    {
        QVariantMap entries{{"Europe/Berlin", entry(52.5, 13.3667)},
                            {"Atlantis/Poseidonia", entry(31, -24)},
                            {"Australia/Sydney", entry("-33.8667", 151.2167)},
                            {"UTC", entry(51.4769, -0.0005)}};
        for (const char *name : {"america/lima", "Xanadu", "xanadu", "XANADU"})
            entries.insert(name, entry(1, 1));
        const TimeZoneTable table(entries);
        // Code-point order would put "america/lima" and "xanadu" after every capital.
        QCOMPARE(table.sortedNames().join(u' '),
                 "america/lima Atlantis/Poseidonia Australia/Sydney "
                 "Europe/Berlin UTC XANADU Xanadu xanadu");
        QCOMPARE(table.unsortedNames().size(), 8);
        QVERIFY(table.unsortedNames().contains("Atlantis/Poseidonia"));
        QCOMPARE(table.validSortedNames().join(u' '), "Australia/Sydney Europe/Berlin UTC");
        QVERIFY(!TimeZoneTable::isValidZone("Atlantis/Poseidonia"));
        QCOMPARE(zoneListing(table), "Australia/Sydney\t-33.8667\t151.2167\n"
                                     "Europe/Berlin\t52.5\t13.3667\nUTC\t51.4769\t-0.0005\n");
    }

    // The place, and how many warnings reading it three times gives: each faulty entry
    // is reported once per run (per process, so every row names its own zone).
    void places_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QVariant &value, const char *expected) {
            QTest::newRow(name) << value << QString(expected);
        };
        row("reals", entry(52.5, 13.3667), "52.5 13.3667, 0");
        row("numeric strings", entry("52.5", "13.3667"), "52.5 13.3667, 0");
        row("strings with spaces", entry(" -33.8667 ", "151.2167\n"), "-33.8667 151.2167, 0");
        row("integers", entry(qint64(-34), qint64(-58)), "-34 -58, 0");
        row("extra elements ignored", QVariantList{1.5, 2.5, "three", QVariantMap{}}, "1.5 2.5, 0");
        row("one element", QVariantList{12.0}, "12 0, 1");
        row("no elements", QVariantList{}, "0 0, 1");
        row("not an array", QStringLiteral("52.5,13.4"), "0 0, 1");
        row("non-numeric latitude", entry("north", 13.4), "0 13.4, 1");
        row("numeric prefix only", entry("52.5N", "13.4"), "0 13.4, 1");
        row("boolean longitude", entry(52.5, true), "52.5 0, 1");
        row("not finite", entry("nan", "inf"), "0 0, 1");
        row("beyond float", entry(1e39, -1e39), "0 0, 1");
    }
    void places()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        const QString name = QStringLiteral("Zone/") + QString::fromLatin1(QTest::currentDataTag());
        const TimeZoneTable table(QVariantMap{{name, value}});
        MessageLog log;
        const QString place = placeText(table, name);
        QCOMPARE(placeText(table, name) + placeText(table, name), place + place);
        QCOMPARE(place + ", " + QString::number(log.warnings().size()), expected);
    }

    void brokenResourceGivesEmptyTable()
    {
        for (const QByteArray &contents : {QByteArray(), QByteArray("not a property list")}) {
            QTemporaryDir dir;
            QFile file(dir.filePath("TimeZones.plist"));
            QVERIFY(contents.isNull() || (file.open(QIODevice::WriteOnly) && file.write(contents)));
            file.close();
            MessageLog log;
            const TimeZoneTable table = TimeZoneTable::load(Resources(dir.path()));
            QVERIFY(table.sortedNames().isEmpty() && zoneListing(table).isEmpty());
            QCOMPARE(placeText(table, "UTC"), "0 0");
            QCOMPARE(log.warnings().size(), 1);
        }
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
        // Greenwich for the zones without a place; Kolkata at +2232+08822 and St Johns at
        // +4734-05243 in zone.tab.
        for (const char *name : {"UTC", "Etc/UTC", "GMT"})
            QCOMPARE(placeText(table, name), "51.4769 -0.0005");
        QCOMPARE(placeText(table, "Asia/Kolkata"), "22.5333 88.3667");
        QCOMPARE(placeText(table, "America/St_Johns"), "47.5667 -52.7167");
        for (const QString &name : names) {
            const ZonePlace place = table.placeOf(name);
            QVERIFY(std::abs(place.latitude) <= 90.0f && std::abs(place.longitude) <= 180.0f);
        }
    }

    void countriesNeedBothFiles()
    {
        QVERIFY(loadZoneCountries(QStringLiteral("/nonexistent")).isEmpty());
        QCOMPARE(loadZoneCountries().value("Asia/Kolkata"), QStringLiteral("India"));
    }

    // near: within 10 degrees, exclusive, the short way round; find: every match, best
    // first; named: the one zone a query names; change: the next change, as zdump says.
    void facts_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *what, const char *arguments, const char *expected) {
            QTest::addRow("%s %s", what, arguments) << what << arguments << expected;
        };
        row("near", "47 5", "Europe/Berlin Europe/Paris");
        row("near", "40 10", "");
        row("near", "40.5 19.5", "Europe/Berlin");
        row("near", "-15 -179", "Pacific/Apia Pacific/Fiji");
        row("near", "-15 179", "Pacific/Apia Pacific/Fiji");
        row("find", "tokyo", "Asia/Tokyo");
        row("find", "argentina", "America/Argentina/Buenos_Aires America/Argentina/Cordoba");
        row("find", "new york", "America/New_York");
        row("find", "Ho CHI minh", "Asia/Ho_Chi_Minh");
        row("find", "japan", "Asia/Tokyo");
        row("find", "germany", "Europe/Berlin Europe/Busingen");
        row("find", "São Paulo", "America/Sao_Paulo");
        row("find", "Zürich", "Europe/Zurich");
        row("find", "switzerland", "Europe/Zurich");
        row("find", "reykjavík", "Atlantic/Reykjavik");
        // The exact country before a city prefix, a city prefix before a word inside.
        row("find", "india", "Asia/Kolkata America/Indiana/Indianapolis");
        row("find", "new", "America/New_York America/North_Dakota/New_Salem Pacific/Auckland");
        row("find", "olkat", "Asia/Kolkata");
        row("find", "europe/berlin", "Europe/Berlin");
        row("find", "  _ ", "");
        row("find", "atlantis", "");
        row("named", "Asia/Tokyo", "Asia/Tokyo");
        row("named", "new york", "America/New_York");
        row("named", "Indianapolis", "America/Indiana/Indianapolis"); // exact city of several
        row("named", "argentina", "");
        row("named", "mars", "");
        row("change", "Europe/Berlin 2026-06-01T00:00:00Z",
            "Clocks go back 1 h on Sunday, October 25, 2026 at 3:00|2026-10-25T01:00:00Z");
        row("change", "Europe/Berlin 2026-10-25T01:00:00Z", // at a change: the next one
            "Clocks go forward 1 h on Sunday, March 28, 2027 at 2:00|2027-03-28T01:00:00Z");
        row("change", "America/New_York 2026-01-01T00:00:00Z",
            "Clocks go forward 1 h on Sunday, March 8, 2026 at 2:00|2026-03-08T07:00:00Z");
        row("change", "Australia/Sydney 2026-01-01T00:00:00Z",
            "Clocks go back 1 h on Sunday, April 5, 2026 at 3:00|2026-04-04T16:00:00Z");
        row("change", "America/Santiago 2026-01-01T00:00:00Z",
            "Clocks go back 1 h on Sunday, April 5, 2026 at 0:00|2026-04-05T03:00:00Z");
        row("change", "Australia/Lord_Howe 2026-01-01T00:00:00Z",
            "Clocks go back 30 min on Sunday, April 5, 2026 at 2:00|2026-04-04T15:00:00Z");
        row("change", "Asia/Tokyo 2026-01-01T00:00:00Z", "|");
        row("change", "Asia/Kolkata 2026-01-01T00:00:00Z", "|");
        row("change", "UTC 2026-01-01T00:00:00Z", "|");
    }
    void facts()
    {
        QFETCH(QString, what);
        QFETCH(QString, arguments);
        QFETCH(QString, expected);
        static const ZoneCountries countries = loadZoneCountries();
        const QStringList a = arguments.split(u' ');
        QString actual;
        if (what == "near") {
            // Atlantis, an unknown zone, lies near every row but is never offered.
            const TimeZoneTable table(
                QVariantMap{{"Europe/Berlin", entry(50, 10)},
                            {"Europe/Paris", entry(45, 0)},
                            {"Pacific/Fiji", entry(-15, 178)},
                            {"Pacific/Apia", entry(-15, -172)},
                            {"Atlantis/Poseidonia", entry(a[0].toFloat(), a[1].toFloat())}});
            actual = nearbyZones(table, a[0].toFloat(), a[1].toFloat()).join(u' ');
        } else if (what == "find") {
            actual = findZones(arguments, kZones, countries).join(u' ');
        } else if (what == "named") {
            actual = zoneNamedBy(arguments, kZones + QStringList{"America/Indianapolis_East"},
                                 countries);
        } else {
            const std::optional<ClockChange> change =
                nextClockChange(QTimeZone(a[0].toUtf8()), QDateTime::fromString(a[1], Qt::ISODate));
            actual = change ? clockChangeText(*change) + '|' + change->instant.toString(Qt::ISODate)
                            : "|";
        }
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(TestZones)
#include "tst_zones.moc"
