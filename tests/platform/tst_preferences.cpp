#include "MessageLog.h"
#include "platform/Preferences.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt caches an INI file's parsed values per path for the whole process; a copy
// under a new name is read from disk as a later run of the program would.
QString freshCopy(const QString &path, const QString &copyName)
{
    const QString copy = QFileInfo(path).dir().filePath(copyName);
    QFile::copy(path, copy);
    return copy;
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void defaultPathFollowsXdgConfigHome()
    {
        const QByteArray home = qgetenv("XDG_CONFIG_HOME");
        QVERIFY(!home.isEmpty());
        QCOMPARE(Preferences::defaultFilePath(),
                 QString::fromLocal8Bit(home) + QStringLiteral("/duskmap/duskmap.conf"));
    }

    void registeredDefaultsAreNeverWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("duskmap.conf");
        {
            Preferences preferences(path);
            QCOMPARE(preferences.boolForKey(QZShowLocationNamesKey), false);
            QVERIFY(preferences.stringForKey("DefaultTimeZone").isNull());
            QVERIFY(!preferences.objectForKey("DefaultTimeZone").isValid());
            preferences.registerDefaults({{"DefaultTimeZone", "UTC"},
                                          {QZShowLocationNamesKey, true},
                                          {QZShowLatLonGridKey, true}});
            // A later registration overrides an earlier one.
            preferences.registerDefaults({{"DefaultTimeZone", "Asia/Kolkata"}});
            QCOMPARE(preferences.stringForKey("DefaultTimeZone"), QStringLiteral("Asia/Kolkata"));
            QCOMPARE(preferences.boolForKey(QZShowLocationNamesKey), true);
            QVERIFY(!QFile::exists(path));
            // A stored value wins over the registered one.
            preferences.setObject(QZShowLatLonGridKey, false);
            QCOMPARE(preferences.boolForKey(QZShowLatLonGridKey), false);
        }
        const QByteArray text = readFile(path);
        QVERIFY(text.contains("ShowLatLon=false"));
        QVERIFY(!text.contains("DefaultTimeZone"));
        QVERIFY(!text.contains("ShowLocationNames"));
    }

    void writesArePersisted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("sub/dir/duskmap.conf");
        const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03\x00\x00=\n[x]", 14);
        {
            Preferences preferences(path);
            preferences.setObject("DefaultTimeZone",
                                  QStringLiteral("America/Argentina/Buenos_Aires"));
            preferences.setObject(QZShowLatLonGridKey, true);
            preferences.setObject(QZShowLocationsKey, false);
            preferences.setObject("MainWindow", geometry);
            preferences.setObject("Frame", QRect(10, 20, 720, 400));
            preferences.setObject("odd/key with spaces=and;marks", QStringLiteral("a, b; c=d"));
        }
        Preferences reopened(freshCopy(path, "copy.conf"));
        QCOMPARE(reopened.stringForKey("DefaultTimeZone"),
                 QStringLiteral("America/Argentina/Buenos_Aires"));
        QCOMPARE(reopened.boolForKey(QZShowLatLonGridKey), true);
        QCOMPARE(reopened.boolForKey(QZShowLocationsKey), false);
        QCOMPARE(reopened.objectForKey("MainWindow").toByteArray(), geometry);
        QCOMPARE(reopened.objectForKey("Frame").toRect(), QRect(10, 20, 720, 400));
        QCOMPARE(reopened.stringForKey("odd/key with spaces=and;marks"),
                 QStringLiteral("a, b; c=d"));
    }

    void iniBooleansReadBack_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("expected");
        QTest::newRow("true") << QByteArray("ShowLatLon=true") << true;
        QTest::newRow("false") << QByteArray("ShowLatLon=false") << false;
        QTest::newRow("TRUE") << QByteArray("ShowLatLon=TRUE") << true;
        QTest::newRow("1") << QByteArray("ShowLatLon=1") << true;
        QTest::newRow("0") << QByteArray("ShowLatLon=0") << false;
        QTest::newRow("yes") << QByteArray("ShowLatLon=yes") << true;
        QTest::newRow("no") << QByteArray("ShowLatLon=no") << false;
        QTest::newRow("word") << QByteArray("ShowLatLon=maybe") << false;
        QTest::newRow("empty") << QByteArray("ShowLatLon=") << false;
    }
    void iniBooleansReadBack()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("duskmap.conf");
        writeFile(path, "[General]\n" + line + "\n");
        Preferences preferences(path);
        preferences.registerDefaults({{QZShowLatLonGridKey, !expected}});
        QCOMPARE(preferences.boolForKey(QZShowLatLonGridKey), expected);
    }

    void stringForKeyIgnoresOtherTypes()
    {
        QTemporaryDir dir;
        Preferences preferences(dir.filePath("duskmap.conf"));
        preferences.setObject("DefaultTimeZone", 42);
        QVERIFY(preferences.stringForKey("DefaultTimeZone").isNull());
        preferences.setObject("DefaultTimeZone", QRect(1, 2, 3, 4));
        QVERIFY(preferences.stringForKey("DefaultTimeZone").isNull());
    }

    void corruptFileIsKeptAside()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("duskmap.conf");
        const char raw[] = "\x00\x01[[[ShowLatLon=true\n[unterminated\n";
        const QByteArray garbage(raw, sizeof raw - 1);
        writeFile(path, garbage);
        {
            MessageLog log;
            Preferences preferences(path);
            QCOMPARE(log.warnings().size(), 1);
            QVERIFY(log.warnings().first().contains(path));
            preferences.registerDefaults({{"DefaultTimeZone", "UTC"}});
            QCOMPARE(preferences.boolForKey(QZShowLatLonGridKey), false);
            QCOMPARE(preferences.stringForKey("DefaultTimeZone"), QStringLiteral("UTC"));
            QCOMPARE(readFile(path + ".corrupt"), garbage);
            preferences.setObject(QZShowLocationsKey, true);
            QCOMPARE(log.warnings().size(), 1);
        }
        QVERIFY(readFile(path).contains("ShowLocations=true"));

        // A second broken file does not replace the first one kept aside.
        writeFile(path, garbage + "again");
        MessageLog log;
        Preferences again(path);
        QCOMPARE(log.warnings().size(), 1);
        QCOMPARE(readFile(path + ".corrupt"), garbage);
        QCOMPARE(readFile(path + ".corrupt.1"), garbage + "again");
    }

    void foreignContentIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        // Qt would build a pixmap from this, which aborts a program without a GUI.
        QTest::newRow("a serialised object")
            << QByteArray("[General]\nDefaultTimeZone=@Variant(\\0\\0\\0\\x41\\0)\n"
                          "ShowLatLon=true\n");
        QTest::newRow("a serialised object after an escaped text")
            << QByteArray("[General]\nA=@@Variant(x)\nB=@Variant(\\0\\0\\0\\x41\\0)\n");
        QTest::newRow("a quoted serialised object in a list")
            << QByteArray("[General]\nA=x, \"@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\"\n");
        QTest::newRow("larger than any preferences file")
            << QByteArray("[General]\nShowLatLon=true\n") + QByteArray(2 * 1024 * 1024, '#');
    }
    void foreignContentIsKeptAside()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("duskmap.conf");
        writeFile(path, content);
        MessageLog log;
        Preferences preferences(path);
        QCOMPARE(log.warnings().size(), 1);
        QCOMPARE(preferences.boolForKey(QZShowLatLonGridKey), false);
        QVERIFY(preferences.stringForKey("DefaultTimeZone").isNull());
        QCOMPARE(readFile(path + ".corrupt"), content);
        preferences.setObject(QZShowLocationsKey, true);
        QVERIFY(readFile(path).contains("ShowLocations=true"));
    }

    // A text that merely starts with "@" is stored escaped and reads back.
    void textStartingWithAtReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("duskmap.conf");
        writeFile(path, "[General]\nNote=@@Variant(a\nList=\"x, @Variant(b\"\n");
        MessageLog log;
        {
            Preferences preferences(path);
            QCOMPARE(preferences.stringForKey("Note"), QStringLiteral("@Variant(a"));
            preferences.setObject("DefaultTimeZone", QStringLiteral("@Variant(b"));
        }
        QVERIFY(log.warnings().isEmpty());
        QVERIFY(!QFile::exists(path + ".corrupt"));
    }

    void unwritableStoreWarnsOnceAndKeepsValues_data()
    {
        QTest::addColumn<bool>("readOnlyDirectory");
        // The store's directory cannot be made: its would-be parent is a file.
        QTest::newRow("parent is a file") << false;
        QTest::newRow("read-only directory") << true;
    }
    void unwritableStoreWarnsOnceAndKeepsValues()
    {
        QFETCH(bool, readOnlyDirectory);
        if (readOnlyDirectory && geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QTemporaryDir dir;
        const QString storeDir = dir.filePath("store");
        if (readOnlyDirectory) {
            QVERIFY(QDir().mkpath(storeDir));
            QVERIFY(QFile::setPermissions(storeDir, QFile::ReadOwner | QFile::ExeOwner));
        } else {
            writeFile(storeDir, "not a directory");
        }
        const QString path =
            storeDir + (readOnlyDirectory ? "/duskmap.conf" : "/duskmap/duskmap.conf");
        MessageLog log;
        {
            Preferences preferences(path);
            preferences.setObject(QZShowLatLonGridKey, true);
            preferences.setObject("DefaultTimeZone", QStringLiteral("Europe/Berlin"));
            preferences.setObject(QZShowLatLonGridKey, false);
            QCOMPARE(preferences.boolForKey(QZShowLatLonGridKey), false);
            QCOMPARE(preferences.stringForKey("DefaultTimeZone"), QStringLiteral("Europe/Berlin"));
        }
        QCOMPARE(log.warnings().size(), 1);
        QVERIFY(log.warnings().first().contains(path));
        QFile::setPermissions(storeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
