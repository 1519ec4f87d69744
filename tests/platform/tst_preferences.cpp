#include "MessageLog.h"
#include "platform/Preferences.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt caches files by path for the whole process; a copy is read anew, as by a later run.
QString copyOf(const QString &path)
{
    const QString copy = path + ".copy.conf";
    return QFile::copy(path, copy) ? copy : QString();
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void defaultPathFollowsXdgConfigHome()
    {
        QCOMPARE(Preferences::defaultFilePath(),
                 qEnvironmentVariable("XDG_CONFIG_HOME") + "/duskmap/duskmap.conf");
    }

    void storedValuesWinAndPersistButDefaultsDoNot()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("sub/dir/duskmap.conf");
        const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03\x00\x00=\n[x]", 14);
        const QRect frame(10, 20, 720, 400);
        {
            Preferences preferences(path);
            QVERIFY(!preferences.boolForKey("ShowLocationNames"));
            QVERIFY(preferences.stringForKey("DefaultTimeZone").isNull());
            QVERIFY(!preferences.objectForKey("DefaultTimeZone").isValid());
            preferences.registerDefaults(
                {{"DefaultTimeZone", "UTC"}, {"ShowLocationNames", true}, {"ShowLatLon", true}});
            preferences.registerDefaults({{"DefaultTimeZone", "Asia/Kolkata"}});
            QCOMPARE(preferences.stringForKey("DefaultTimeZone"), "Asia/Kolkata");
            QVERIFY(preferences.boolForKey("ShowLocationNames") && !QFile::exists(path));
            preferences.setObject("ShowLatLon", false);
            QVERIFY(!preferences.boolForKey("ShowLatLon"));
            preferences.setObject("ShowLocations", 42);
            QVERIFY(preferences.stringForKey("ShowLocations").isNull());
            preferences.setObject("DefaultTimeZone", "America/Argentina/Buenos_Aires");
            preferences.setObject("MainWindow", geometry);
            preferences.setObject("Frame", frame);
        }
        Preferences reopened(copyOf(path));
        QVERIFY(!reopened.objectForKey("ShowLocationNames").isValid());
        QVERIFY(!reopened.boolForKey("ShowLatLon") && reopened.boolForKey("ShowLocations"));
        QCOMPARE(reopened.stringForKey("DefaultTimeZone"), "America/Argentina/Buenos_Aires");
        QCOMPARE(reopened.objectForKey("MainWindow").toByteArray(), geometry);
        QCOMPARE(reopened.objectForKey("Frame").toRect(), frame);
    }

    void iniBooleansReadBack_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("expected");
        for (const char *yes : {"true", "TRUE", "1", "yes", "0.5"})
            QTest::newRow(yes) << QByteArray(yes) << true;
        for (const char *no : {"false", "0", "no", "maybe", ""})
            QTest::newRow(no) << QByteArray(no) << false;
    }
    void iniBooleansReadBack()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, expected);
        QTemporaryDir dir;
        writeFile(dir.filePath("duskmap.conf"), "[General]\nShowLatLon=" + value + "\n");
        Preferences preferences(dir.filePath("duskmap.conf"));
        preferences.registerDefaults({{"ShowLatLon", !expected}});
        QCOMPARE(preferences.boolForKey("ShowLatLon"), expected);
    }

    // Unparsable files, and files holding what Qt should not decode (a serialised
    // object, from which Qt would build a pixmap and abort without a GUI, or a size
    // beyond any preferences file), are kept aside and the defaults apply. A text
    // that merely starts with "@" is stored escaped and reads back.
    void foreignContentIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("corrupt");
        const QByteArray head = "[General]\nShowLatLon=true\n";
        QTest::newRow("unparsable")
            << QByteArray("\x00\x01[[[ShowLatLon=true\n[unterm\n", 29) << true;
        QTest::newRow("serialised") << head + "Zone=@Variant(\\0\\0\\0\\x41\\0)\n" << true;
        QTest::newRow("serialised after an escaped text")
            << head + "A=@@Variant(x)\nB=@Variant(\\0\\0\\0\\x41\\0)\n"
            << true;
        QTest::newRow("quoted serialised in a list")
            << head + "A=x, \"@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\"\n"
            << true;
        QTest::newRow("too large") << head + QByteArray(2 << 20, '#') << true;
        QTest::newRow("escaped texts") << head + "Note=@@Variant(a\nList=\"x, @Variant(b\"\n"
                                       << false;
    }
    void foreignContentIsKeptAside()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, corrupt);
        QTemporaryDir dir;
        const QString path = dir.filePath("duskmap.conf");
        writeFile(path, content);
        MessageLog log;
        {
            Preferences preferences(path);
            QCOMPARE(preferences.boolForKey("ShowLatLon"), !corrupt);
            QCOMPARE(preferences.stringForKey("Note"), corrupt ? QString() : "@Variant(a");
            QCOMPARE(readFile(path + ".corrupt"), corrupt ? content : QByteArray());
            preferences.setObject("DefaultTimeZone", "@Variant(b");
        }
        QCOMPARE(log.warnings().size(), int(corrupt));
        QVERIFY(!corrupt || log.warnings().first().contains(path));
        QCOMPARE(Preferences(copyOf(path)).stringForKey("DefaultTimeZone"), "@Variant(b");
        QCOMPARE(log.warnings().size(), int(corrupt));
        if (corrupt) {
            // A second broken file does not replace the first one kept aside.
            writeFile(path, content + "again");
            Preferences again(path);
            QCOMPARE(readFile(path + ".corrupt.1"), content + "again");
        }
    }

    void unwritableStoreWarnsOnceAndKeepsValues()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("store"), "a file where the directory should be");
        const QString path = dir.filePath("store/duskmap/duskmap.conf");
        MessageLog log;
        Preferences preferences(path);
        preferences.setObject("ShowLatLon", true);
        preferences.setObject("DefaultTimeZone", "Europe/Berlin");
        preferences.setObject("ShowLatLon", false);
        QVERIFY(!preferences.boolForKey("ShowLatLon"));
        QCOMPARE(preferences.stringForKey("DefaultTimeZone"), "Europe/Berlin");
        QCOMPARE(log.warnings().size(), 1);
        QVERIFY(log.warnings().first().contains(path));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
