#include "platform/LocalizedStrings.h"

#include <QTest>

// The strings table is embedded through the duskmap_translations resources;
// these checks fail if it is missing or its context or keys drift.
class TestLocalizedStrings : public QObject
{
    Q_OBJECT

private slots:
    void titles_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QList<std::pair<QString, QString>> entries{
            {"HideLatLonGridLines", "Hide Latitude/Longitude Grid"},
            {"ShowLatLonGridLines", "Show Latitude/Longitude Grid"},
            {"HideLocations", "Hide Locations"},
            {"ShowLocations", "Show Locations"},
            // Keys without an entry show as they are.
            {"ShowLocationNames", "ShowLocationNames"},
            {"showlocations", "showlocations"},
            {"Show Locations", "Show Locations"},
            {"Zeige Orte \u00e4\u00f6\u00fc", "Zeige Orte \u00e4\u00f6\u00fc"},
            {"", ""},
        };
        // English itself, the C locale the tests pin, and a language with no table
        // of its own, which must fall back to English rather than to the keys.
        for (const QString locale : {"en_GB", "C", "de_DE"}) {
            for (const auto &[key, text] : entries)
                QTest::addRow("%s: %s", qPrintable(locale), qPrintable(key))
                    << locale << key << text;
        }
    }
    void titles()
    {
        QFETCH(QString, locale);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(localizedString(key, QLocale(locale)), expected);
        // The tests run in the C locale, so the user's table is the English one.
        QCOMPARE(localizedString(key), expected);
    }
};

QTEST_GUILESS_MAIN(TestLocalizedStrings)
#include "tst_localizedstrings.moc"
