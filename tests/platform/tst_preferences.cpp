#include "MessageLog.h"
#include "platform/Preferences.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// The keys the program stores, spelt as its files hold them.
const QString kGrid = QStringLiteral("ShowLatLon");
const QString kLocations = QStringLiteral("ShowLocations");
const QString kNames = QStringLiteral("ShowLocationNames");
const QString kZone = QStringLiteral("DefaultTimeZone");

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

    void registeredDefaultsAreNeverWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("duskmap.conf");
        {
            Preferences preferences(path);
            QCOMPARE(preferences.boolForKey(kNames), false);
            QVERIFY(preferences.stringForKey(kZone).isNull());
            QVERIFY(!preferences.objectForKey(kZone).isValid());
            preferences.registerDefaults({{kZone, "UTC"}, {kNames, true}, {kGrid, true}});
            // A later registration overrides an earlier one.
            preferences.registerDefaults({{kZone, "Asia/Kolkata"}});
            QCOMPARE(preferences.stringForKey(kZone), QStringLiteral("Asia/Kolkata"));
            QCOMPARE(preferences.boolForKey(kNames), true);
            QVERIFY(!QFile::exists(path));
            // A stored value wins over the registered one.
            preferences.setObject(kGrid, false);
            QCOMPARE(preferences.boolForKey(kGrid), false);
            // Only texts are strings.
            preferences.setObject(kNames, 42);
            QVERIFY(preferences.stringForKey(kNames).isNull());
        }
        const QByteArray text = readFile(path);
        QVERIFY(text.contains("ShowLatLon=false"));
        QVERIFY(!text.contains(kZone.toLatin1()));
    }

    void writesArePersisted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("sub/dir/duskmap.conf");
        const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03\x00\x00=\n[x]", 14);
        const QRect frame(10, 20, 720, 400);
        {
            Preferences preferences(path);
            preferences.setObject(kZone, QStringLiteral("America/Argentina/Buenos_Aires"));
            preferences.setObject(kGrid, true);
            preferences.setObject(kLocations, false);
            preferences.setObject("MainWindow", geometry);
            preferences.setObject("Frame", frame);
        }
        // Qt caches a file's values per path for the whole process; a copy under a
        // new name is read from disk, as by a later run of the program.
        QVERIFY(QFile::copy(path, dir.filePath("copy.conf")));
        Preferences reopened(dir.filePath("copy.conf"));
        QCOMPARE(reopened.stringForKey(kZone), QStringLiteral("America/Argentina/Buenos_Aires"));
        QCOMPARE(reopened.boolForKey(kGrid), true);
        QCOMPARE(reopened.boolForKey(kLocations), false);
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
        const QString path = dir.filePath("duskmap.conf");
        writeFile(path, "[General]\nShowLatLon=" + value + "\n");
        Preferences preferences(path);
        preferences.registerDefaults({{kGrid, !expected}});
        QCOMPARE(preferences.boolForKey(kGrid), expected);
    }

    // Unparsable files, and files holding what Qt should not decode (a serialised
    // object, from which Qt would build a pixmap and abort without a GUI, or a size
    // beyond any preferences file), are kept aside and the defaults apply.
    void corruptFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("unparsable")
            << QByteArray("\x00\x01[[[ShowLatLon=true\n[unterminated\n", 35);
        QTest::newRow("a serialised object")
            << QByteArray("[General]\nDefaultTimeZone=@Variant(\\0\\0\\0\\x41\\0)\n"
                          "ShowLatLon=true\n");
        QTest::newRow("a serialised object after an escaped text")
            << QByteArray("[General]\nA=@@Variant(x)\nB=@Variant(\\0\\0\\0\\x41\\0)\n");
        QTest::newRow("a quoted serialised object in a list")
            << QByteArray("[General]\nA=x, \"@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\"\n");
        QTest::newRow("larger than any preferences file")
            << QByteArray("[General]\nShowLatLon=true\n") + QByteArray(2 << 20, '#');
    }
    void corruptFileIsKeptAside()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("duskmap.conf");
        writeFile(path, content);
        {
            MessageLog log;
            Preferences preferences(path);
            preferences.registerDefaults({{kZone, "UTC"}});
            QCOMPARE(preferences.boolForKey(kGrid), false);
            QCOMPARE(preferences.stringForKey(kZone), QStringLiteral("UTC"));
            QCOMPARE(readFile(path + ".corrupt"), content);
            preferences.setObject(kLocations, true);
            QCOMPARE(log.warnings().size(), 1);
            QVERIFY(log.warnings().first().contains(path));
        }
        QVERIFY(readFile(path).contains("ShowLocations=true"));
        // A second broken file does not replace the first one kept aside.
        writeFile(path, content + "again");
        Preferences again(path);
        QCOMPARE(readFile(path + ".corrupt"), content);
        QCOMPARE(readFile(path + ".corrupt.1"), content + "again");
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
            preferences.setObject(kZone, QStringLiteral("@Variant(b"));
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
            preferences.setObject(kGrid, true);
            preferences.setObject(kZone, QStringLiteral("Europe/Berlin"));
            preferences.setObject(kGrid, false);
            QCOMPARE(preferences.boolForKey(kGrid), false);
            QCOMPARE(preferences.stringForKey(kZone), QStringLiteral("Europe/Berlin"));
        }
        QCOMPARE(log.warnings().size(), 1);
        QVERIFY(log.warnings().first().contains(path));
        QFile::setPermissions(storeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
