#include "platform/LocalizedStrings.h"

#include <QTest>

// The strings table comes embedded through the duskmap_translations resources.
class TestLocalizedStrings : public QObject
{
    Q_OBJECT

private slots:
    void titles_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QList<std::pair<QString, QString>> entries{
            {"HideLatLonGridLines", "Hide Latitude/Longitude Grid"},
            {"ShowLatLonGridLines", "Show Latitude/Longitude Grid"},
            {"HideLocations", "Hide Locations"},
            {"ShowLocations", "Show Locations"}};
        // Keys without an entry show as they are.
        for (const QString key : {"ShowLocationNames", "showlocations", "Show Locations",
                                  "Zeige Orte \u00e4\u00f6\u00fc", ""})
            entries.append({key, key});
        // German has no table of its own and falls back to English, not to the keys.
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
