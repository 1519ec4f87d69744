#include "MessageLog.h"
#include "platform/Resources.h"
#include "zones/ClockChange.h"
#include "zones/NearbyZones.h"
#include "zones/TimeZoneTable.h"
#include "zones/ZoneSearch.h"

#include <QFile>
#include <QTest>

#include <cmath>

namespace {

const auto entry = [](const QVariant &lat, const QVariant &lon) { return QVariantList{lat, lon}; };

const QStringList kZones =
    QStringLiteral("America/Argentina/Buenos_Aires America/Argentina/Cordoba "
                   "America/Indiana/Indianapolis America/Indianapolis_East America/New_York "
                   "America/North_Dakota/New_Salem "
                   "America/Sao_Paulo Asia/Ho_Chi_Minh Asia/Kolkata Asia/Tokyo Atlantic/Reykjavik "
                   "Europe/Berlin Europe/Busingen Europe/Kyiv Europe/Zurich Pacific/Auckland")
        .split(u' ');

} // namespace

class TestZones : public QObject
{
    Q_OBJECT

private slots:
    void names()
    {
        const TimeZoneTable table(QVariantMap{{"Europe/Berlin", entry(52.5, 13.3667)},
                                              {"Atlantis/Poseidonia", entry(31, -24)},
                                              {"EST", entry("-33.8667", 151.2167)},
                                              {"Egypt", entry(1, 1)},
                                              {"UTC", entry(51.4769, -0.0005)}});
        // Code-point order would put "EST" before "Egypt".
        QCOMPARE(zoneListing(table), "Egypt\t1\t1\nEST\t-33.8667\t151.2167\n"
                                     "Europe/Berlin\t52.5\t13.3667\nUTC\t51.4769\t-0.0005\n");
        QCOMPARE(zoneListing(table, {"Atlantis/Poseidonia", "Nowhere"}),
                 "Atlantis/Poseidonia\t31\t-24\nNowhere\t0\t0\n");
        // One zone asked about alone, as a snapshot does, is offered as in the whole list.
        for (const char *id : {"Europe/Berlin", "Atlantis/Poseidonia", "EST", "Europe/Paris"})
            QCOMPARE(table.offers(id), table.validSortedNames().contains(id));
    }

    // The place, and the warnings reading the table gives: one per faulty entry.
    void places_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("warnings");
        const auto row = [](const char *name, const QVariant &value, const char *place,
                            int warnings) {
            QTest::newRow(name) << value << QString(place) << warnings;
        };
        row("reals", entry(52.5, 13.3667), "52.5\t13.3667", 0);
        row("strings with spaces", entry(" -33.8667 ", "151.2167\n"), "-33.8667\t151.2167", 0);
        row("integers", entry(qint64(-34), qint64(-58)), "-34\t-58", 0);
        row("extra elements ignored", QVariantList{1.5, 2.5, "three", QVariantMap{}}, "1.5\t2.5",
            0);
        row("one element", QVariantList{12.0}, "12\t0", 1);
        row("no elements", QVariantList{}, "0\t0", 1);
        row("not an array", QStringLiteral("52.5,13.4"), "0\t0", 1);
        row("numeric prefix only", entry("52.5N", "13.4"), "0\t13.4", 1);
        row("boolean longitude", entry(52.5, true), "52.5\t0", 1);
        row("beyond float", entry(1e39, -1e39), "0\t0", 1);
    }
    void places()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, place);
        QFETCH(int, warnings);
        MessageLog log;
        const TimeZoneTable table(QVariantMap{{"Zone/A", value}});
        QCOMPARE(zoneListing(table, {"Zone/A"}), "Zone/A\t" + place + '\n');
        QCOMPARE(log.warnings().size(), warnings);
    }

    void embeddedTable()
    {
        const TimeZoneTable table = TimeZoneTable::load(Resources());
        const QStringList names = table.validSortedNames();
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
        QCOMPARE(table.zones().size(), size_t(names.size()));
        // Greenwich for the zones without a place; Kolkata at +2232+08822 and St Johns at
        // +4734-05243 in zone.tab.
        QCOMPARE(zoneListing(table, {"UTC", "Etc/UTC", "GMT", "Asia/Kolkata", "America/St_Johns"}),
                 "UTC\t51.4769\t-0.0005\nEtc/UTC\t51.4769\t-0.0005\nGMT\t51.4769\t-0.0005\n"
                 "Asia/Kolkata\t22.5333\t88.3667\nAmerica/St_Johns\t47.5667\t-52.7167\n");
        for (const Zone &zone : table.zones())
            QVERIFY(std::abs(zone.place.latitude) <= 90 && std::abs(zone.place.longitude) <= 180);
    }

    // Within 10 degrees, exclusive, the short way round.
    void nearby_data()
    {
        QTest::addColumn<float>("latitude");
        QTest::addColumn<float>("longitude");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two") << 47.0f << 5.0f << QStringList{"Europe/Berlin", "Europe/Paris"};
        QTest::newRow("none") << 40.0f << 10.0f << QStringList{};
        QTest::newRow("just within") << 40.5f << 19.5f << QStringList{"Europe/Berlin"};
        QTest::newRow("west of 180")
            << -15.0f << -179.0f << QStringList{"Pacific/Apia", "Pacific/Fiji"};
        QTest::newRow("east of 180")
            << -15.0f << 179.0f << QStringList{"Pacific/Apia", "Pacific/Fiji"};
    }
    void nearby()
    {
        QFETCH(float, latitude);
        QFETCH(float, longitude);
        QFETCH(QStringList, expected);
        // Atlantis, an unknown zone, lies near every row but is never offered.
        const TimeZoneTable table(QVariantMap{{"Europe/Berlin", entry(50, 10)},
                                              {"Europe/Paris", entry(45, 0)},
                                              {"Pacific/Fiji", entry(-15, 178)},
                                              {"Pacific/Apia", entry(-15, -172)},
                                              {"Atlantis/Poseidonia", entry(latitude, longitude)}});
        QCOMPARE(nearbyZones(table, {latitude, longitude}), expected);
    }

    // Every match, best first: the exact country before a city prefix, a city
    // prefix before another word's start, the more populous zone first among equals;
    // never the inside of a word. Then the zones of the listed cities of that name.
    void find_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("locale");
        const auto row = [](const char *query, const char *expected, const char *locale = "C") {
            QTest::newRow(query) << QString(query) << QString(expected) << QString(locale);
        };
        row("tokyo", "Asia/Tokyo");
        row("argentina", "America/Argentina/Buenos_Aires America/Argentina/Cordoba");
        row("new york", "America/New_York");
        row("germany", "Europe/Berlin Europe/Busingen");
        row("São Paulo", "America/Sao_Paulo");
        row("Zürich", "Europe/Zurich");
        row("india", "Asia/Kolkata America/Indiana/Indianapolis America/Indianapolis_East");
        row("Indianapolis", "America/Indiana/Indianapolis America/Indianapolis_East");
        row("new", "America/New_York Pacific/Auckland America/North_Dakota/New_Salem");
        row("united states",
            "America/New_York America/Indiana/Indianapolis America/North_Dakota/New_Salem");
        row("osaka", "Asia/Tokyo");
        row("MÜNCHEN", "Europe/Berlin");
        row("olkat", "");
        row("europe/berlin", "Europe/Berlin");
        row("  _ ", "");
        row("atlantis", "");
        // Under another language, its names of cities and countries too, and the
        // cities' in other languages, for renamed zones (Kolkata, Kyiv) as well.
        row("Tokio", "Asia/Tokyo", "de_DE");
        row("東京", "Asia/Tokyo", "ja_JP");
        row("Kalkutta", "Asia/Kolkata", "de_DE");
        row("Київ", "Europe/Kyiv", "ru_RU");
        row("Киев", "Europe/Kyiv", "ru_RU");
        row("Japón", "Asia/Tokyo", "es_ES");
        row("Japón ", "", "C");
    }
    void find()
    {
        QFETCH(QString, query);
        QFETCH(QString, expected);
        QFETCH(QString, locale);
        QCOMPARE(findZones(query, kZones, loadZoneCountries(),
                           localZoneNames(kZones, QLocale(locale), {"uk", "ja"}))
                     .join(u' '),
                 expected);
    }

    // The one zone a query names: an id, a city, a listed city, the city whose name is
    // exact among several; none when it finds several or none.
    void named()
    {
        const QStringList zones = kZones + QStringList{"America/Indianapolis_East"};
        for (const auto &[query, expected] : {std::pair{"Asia/Tokyo", "Asia/Tokyo"},
                                              {"new york", "America/New_York"},
                                              {"Indianapolis", "America/Indiana/Indianapolis"},
                                              {"munich", "Europe/Berlin"},
                                              {"argentina", ""},
                                              {"united states", ""},
                                              {"mars", ""}})
            QCOMPARE(zoneNamedBy(query, zones, loadZoneCountries()), QString(expected));
    }

    // The next change of offset, as zdump gives it.
    void clockChange_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *zone, const char *from, const char *expected) {
            QTest::addRow("%s %s", zone, from)
                << QString(zone) << QString(from) << QString(expected);
        };
        row("Europe/Berlin", "2026-06-01T00:00:00Z",
            "Clocks go back 1 h on Sunday, October 25, 2026 at 3:00|2026-10-25T01:00:00Z");
        row("Europe/Berlin", "2026-10-25T01:00:00Z", // at a change: the next one
            "Clocks go forward 1 h on Sunday, March 28, 2027 at 2:00|2027-03-28T01:00:00Z");
        row("America/Santiago", "2026-01-01T00:00:00Z",
            "Clocks go back 1 h on Sunday, April 5, 2026 at 0:00|2026-04-05T03:00:00Z");
        row("Australia/Lord_Howe", "2026-01-01T00:00:00Z",
            "Clocks go back 30 min on Sunday, April 5, 2026 at 2:00|2026-04-04T15:00:00Z");
        row("Asia/Tokyo", "2026-01-01T00:00:00Z", "|");
        row("UTC", "2026-01-01T00:00:00Z", "|");
    }
    void clockChange()
    {
        QFETCH(QString, zone);
        QFETCH(QString, from);
        QFETCH(QString, expected);
        const std::optional<ClockChange> change =
            nextClockChange(QTimeZone(zone.toUtf8()), QDateTime::fromString(from, Qt::ISODate));
        QCOMPARE(change ? clockChangeText(*change) + '|' + change->instant.toString(Qt::ISODate)
                        : "|",
                 expected);
    }
};

QTEST_GUILESS_MAIN(TestZones)
#include "tst_zones.moc"
