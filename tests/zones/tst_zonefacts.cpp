#include "zones/ClockChange.h"
#include "zones/ZoneSearch.h"

#include <QTest>

namespace {
const QStringList kZones{"America/Argentina/Buenos_Aires",
                         "America/Argentina/Cordoba",
                         "America/Indiana/Indianapolis",
                         "America/New_York",
                         "America/North_Dakota/New_Salem",
                         "America/Sao_Paulo",
                         "Asia/Ho_Chi_Minh",
                         "Asia/Kolkata",
                         "Asia/Tokyo",
                         "Atlantic/Reykjavik",
                         "Europe/Berlin",
                         "Europe/Busingen",
                         "Europe/Zurich",
                         "Pacific/Auckland"};
} // namespace

class TestZoneFacts : public QObject
{
    Q_OBJECT

private slots:
    // The countries come from the system's zone.tab and iso3166.tab.
    void findZones_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("city") << "tokyo" << QStringList{"Asia/Tokyo"};
        QTest::newRow("word of the id")
            << "argentina"
            << QStringList{"America/Argentina/Buenos_Aires", "America/Argentina/Cordoba"};
        QTest::newRow("city with spaces") << "new york" << QStringList{"America/New_York"};
        QTest::newRow("three words, any case") << "Ho CHI minh" << QStringList{"Asia/Ho_Chi_Minh"};
        QTest::newRow("country") << "japan" << QStringList{"Asia/Tokyo"};
        QTest::newRow("country of two zones")
            << "germany" << QStringList{"Europe/Berlin", "Europe/Busingen"};
        QTest::newRow("accents ignored") << "São Paulo" << QStringList{"America/Sao_Paulo"};
        QTest::newRow("accented query") << "Zürich" << QStringList{"Europe/Zurich"};
        QTest::newRow("switzerland") << "switzerland" << QStringList{"Europe/Zurich"};
        QTest::newRow("reykjavik") << "reykjavík" << QStringList{"Atlantic/Reykjavik"};
        QTest::newRow("exact country before city prefix")
            << "india" << QStringList{"Asia/Kolkata", "America/Indiana/Indianapolis"};
        QTest::newRow("city prefix before word inside")
            << "new"
            << QStringList{"America/New_York", "America/North_Dakota/New_Salem",
                           "Pacific/Auckland"};
        QTest::newRow("inside a word") << "olkat" << QStringList{"Asia/Kolkata"};
        QTest::newRow("whole id") << "europe/berlin" << QStringList{"Europe/Berlin"};
        QTest::newRow("blank") << "  _ " << QStringList{};
        QTest::newRow("nothing") << "atlantis" << QStringList{};
    }
    void findZones()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, found);
        static const ZoneCountries countries = loadZoneCountries();
        QCOMPARE(::findZones(query, kZones, countries), found);
    }

    void zoneNamedBy_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("zone");
        QTest::newRow("id") << "Asia/Tokyo"
                            << "Asia/Tokyo";
        QTest::newRow("one match") << "new york"
                                   << "America/New_York";
        QTest::newRow("one exact city of several matches") << "Indianapolis"
                                                           << "America/Indiana/Indianapolis";
        QTest::newRow("several") << "argentina"
                                 << "";
        QTest::newRow("none") << "mars"
                              << "";
    }
    void zoneNamedBy()
    {
        QFETCH(QString, query);
        QFETCH(QString, zone);
        const QStringList zones = kZones + QStringList{"America/Indianapolis_East"};
        QCOMPARE(::zoneNamedBy(query, zones, loadZoneCountries()), zone);
    }

    void countriesNeedBothFiles()
    {
        QVERIFY(loadZoneCountries(QStringLiteral("/nonexistent")).isEmpty());
        QCOMPARE(loadZoneCountries().value("Asia/Kolkata"), QStringLiteral("India"));
    }

    // Checked against zdump of the system's tz database.
    void nextClockChange_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("instant");
        QTest::newRow("Berlin, autumn") << "Europe/Berlin"
                                        << "2026-06-01T00:00:00Z"
                                        << "Clocks go back 1 h on Sunday, October 25, 2026 at 3:00"
                                        << "2026-10-25T01:00:00Z";
        QTest::newRow("Berlin, at a change: the next one")
            << "Europe/Berlin"
            << "2026-10-25T01:00:00Z"
            << "Clocks go forward 1 h on Sunday, March 28, 2027 at 2:00"
            << "2027-03-28T01:00:00Z";
        QTest::newRow("New York, spring")
            << "America/New_York"
            << "2026-01-01T00:00:00Z"
            << "Clocks go forward 1 h on Sunday, March 8, 2026 at 2:00"
            << "2026-03-08T07:00:00Z";
        QTest::newRow("Sydney, southern autumn")
            << "Australia/Sydney"
            << "2026-01-01T00:00:00Z"
            << "Clocks go back 1 h on Sunday, April 5, 2026 at 3:00"
            << "2026-04-04T16:00:00Z";
        QTest::newRow("Santiago, at midnight")
            << "America/Santiago"
            << "2026-01-01T00:00:00Z"
            << "Clocks go back 1 h on Sunday, April 5, 2026 at 0:00"
            << "2026-04-05T03:00:00Z";
        QTest::newRow("Lord Howe, half an hour")
            << "Australia/Lord_Howe"
            << "2026-01-01T00:00:00Z"
            << "Clocks go back 30 min on Sunday, April 5, 2026 at 2:00"
            << "2026-04-04T15:00:00Z";
        QTest::newRow("Tokyo, none") << "Asia/Tokyo"
                                     << "2026-01-01T00:00:00Z"
                                     << ""
                                     << "";
        QTest::newRow("Kolkata, none") << "Asia/Kolkata"
                                       << "2026-01-01T00:00:00Z"
                                       << ""
                                       << "";
        QTest::newRow("UTC, none") << "UTC"
                                   << "2026-01-01T00:00:00Z"
                                   << ""
                                   << "";
    }
    void nextClockChange()
    {
        QFETCH(QString, zone);
        QFETCH(QString, from);
        QFETCH(QString, text);
        QFETCH(QString, instant);
        const std::optional<ClockChange> change =
            ::nextClockChange(QTimeZone(zone.toUtf8()), QDateTime::fromString(from, Qt::ISODate));
        QCOMPARE(change ? clockChangeText(*change) : QString(), text);
        QCOMPARE(change ? change->instant.toString(Qt::ISODate) : QString(), instant);
    }
};

QTEST_APPLESS_MAIN(TestZoneFacts)
#include "tst_zonefacts.moc"
