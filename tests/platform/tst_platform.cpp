#include "MessageLog.h"
#include "TestResources.h"
#include "WriteFaults.h"
#include "platform/CoordinateText.h"
#include "platform/Preferences.h"
#include "platform/PropertyList.h"
#include "platform/Translations.h"
#include "readouts/ReadoutTexts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QtEndian>

#include <plist/plist.h>

#include <clocale>

namespace {

// Qt caches files by path for the whole process; a copy is read anew, as by a later run.
const auto copyOf = [](const QString &path) {
    return QFile::copy(path, path + ".copy.conf") ? path + ".copy.conf" : QString();
};

QByteArray xmlPlist(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC "
           "\"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n" +
           body + "\n</plist>\n";
}

QByteArray bigEndian(quint64 value, int width)
{
    value = qToBigEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&value) + 8 - width, width);
}

// Object 0 is the root; one width serves offsets and references.
QByteArray binaryPlist(const QList<QByteArray> &objects, int width)
{
    QByteArray body = "bplist00", table;
    for (const QByteArray &object : objects) {
        table += bigEndian(body.size(), width);
        body += object;
    }
    return body + table + QByteArray(6, '\0') + char(width) + char(width) +
           bigEndian(objects.size(), 8) + bigEndian(0, 8) + bigEndian(body.size(), 8);
}

// Arrays nested depth deep around an integer; with cycle the innermost refers back to the root;
// with fanOut 2 each holds the next twice, which libplist copies out to 2^depth values.
QByteArray binaryArrays(int depth, bool cycle = false, int fanOut = 1)
{
    QList<QByteArray> objects;
    for (int k = 0; k < depth; ++k)
        objects.append(char(0xA0 + fanOut) +
                       bigEndian(cycle && k == depth - 1 ? 0 : k + 1, 4).repeated(fanOut));
    objects.append(QByteArray("\x10\x00", 2));
    return binaryPlist(objects, 4);
}

QByteArray toBinary(const QByteArray &xml)
{
    plist_t root = nullptr;
    plist_from_xml(xml.constData(), uint32_t(xml.size()), &root);
    char *bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    const QByteArray binary(bytes, length);
    std::free(bytes);
    plist_free(root);
    return binary;
}

const auto nestedArrays = [](int arrays) {
    return xmlPlist("<dict><key>a</key>" + QByteArray("<array>").repeated(arrays) +
                    QByteArray("</array>").repeated(arrays) + "</dict>");
};

const QByteArray kSample = xmlPlist(
    "<dict><key>Europe/Berlin</key><array><real>52.5</real><string>13.366667</string></array>"
    "<key>count</key><integer>-42</integer><key>flag</key><true/>"
    "<key>name</key><string>Zürich</string><key>blob</key><data>AAEC</data>"
    "<key>when</key><date>2007-03-21T18:40:00Z</date>"
    "<key>nested</key><dict><key>empty</key><array/></dict></dict>");

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    // Values and their types, as QDebug shows them; reals read alike under a
    // locale that writes a decimal comma.
    void propertyListValues_data()
    {
        QTest::addColumn<QByteArray>("numbers");
        QTest::newRow("C") << QByteArray("C");
        QTest::newRow("decimal comma") << QByteArray("de_DE.UTF-8");
    }
    void propertyListValues()
    {
        QFETCH(QByteArray, numbers);
        const QByteArray samples[] = {kSample, toBinary(kSample)};
        QVERIFY2(std::setlocale(LC_NUMERIC, numbers.constData()), "tools/setup.sh compiles it");
        const auto restore = qScopeGuard([] { std::setlocale(LC_NUMERIC, "C"); });
        for (const QByteArray &data : samples) {
            QString text;
            QDebug(&text).nospace() << parsePropertyListDictionary(data).value_or(QVariantMap{});
            QCOMPARE(
                text,
                "QMap((\"Europe/Berlin\", QVariant(QVariantList, QList(QVariant(double, 52.5), "
                "QVariant(QString, \"13.366667\"))))(\"blob\", QVariant(QByteArray, "
                "\"\\x00\\x01\\x02\"))(\"count\", QVariant(qlonglong, -42))(\"flag\", "
                "QVariant(bool, true))(\"name\", QVariant(QString, \"Zürich\"))(\"nested\", "
                "QVariant(QVariantMap, QMap((\"empty\", QVariant(QVariantList, QList())))))"
                "(\"when\", QVariant(QDateTime, QDateTime(2007-03-21 18:40:00.000 UTC "
                "Qt::UTC))))");
        }
    }

    // Bytes are parsed, then read from a file; or the path (if any) is read.
    void propertyListRefused_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char *name, const QByteArray &data, const QString &path = {}) {
            QTest::newRow(name) << data << path << false;
        };
        const QByteArray binary = toBinary(kSample), key = "<dict><key>a</key>";
        const QByteArray deep =
            QByteArray("<array>").repeated(100000) + QByteArray("</array>").repeated(100000);
        row("empty file", {});
        row("garbage", QByteArray("\x01\x7f\xffnot a plist", 14));
        row("truncated xml", kSample.left(kSample.size() / 2));
        row("root is an array", xmlPlist("<array><real>1</real></array>"));
        row("binary magic only", "bplist00");
        row("binary truncated", binary.left(binary.size() - 5));
        row("binary trailer cut off", binary.left(binary.size() - 32));
        row("binary root is an array", binaryArrays(3));
        row("binary 100000 deep", binaryArrays(100000));
        row("binary cycle", binaryArrays(5, true));
        row("binary expanding to 2^40", binaryArrays(40, false, 2));
        // {"a\0b": true}; 'S' marks a three-byte ASCII string.
        row("binary key with NUL",
            binaryPlist({"\xD1\x01\x02", QByteArray("Sa\0b", 4), "\x09"}, 1));
        row("xml key with NUL", xmlPlist(QByteArray("<dict><key>a\0b</key><true/></dict>", 35)));
        row("xml 100000 deep", xmlPlist(key + deep + "</dict>"));
        row("xml 100000 deep, unclosed", xmlPlist(QByteArray(700000, ' ') + deep.left(700000)));
        // Quoted attributes and comments must not hide nesting from the depth check.
        row("nesting behind quoted slashes",
            xmlPlist(key + QByteArray("<array x=\"/>\">").repeated(100000)));
        row("nesting behind comments",
            xmlPlist(key + QByteArray("<array><!-- </array> -->").repeated(100000)));
        row("unterminated comment", xmlPlist("<dict><!-- </dict>"));
        row("9 MB file",
            xmlPlist(key + "<string>" + QByteArray(9 << 20, 'x') + "</string></dict>"));
        // The root dictionary is level 1.
        row("one level too deep", nestedArrays(kMaxPropertyListDepth));
        row("binary one level too deep", toBinary(nestedArrays(kMaxPropertyListDepth)));
        row("missing file", {}, QDir::tempPath() + "/duskmap-absent.plist");
        row("a directory", {}, QDir::tempPath());
        const QByteArray limit = nestedArrays(kMaxPropertyListDepth - 1);
        QTest::newRow("at the limit") << limit << QString() << true;
        QTest::newRow("binary at the limit") << toBinary(limit) << QString() << true;
    }
    void propertyListRefused()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QString error;
        QTemporaryDir dir;
        if (path.isEmpty()) {
            QCOMPARE(parsePropertyListDictionary(data, &error).has_value(), accepted);
            QCOMPARE(error.isEmpty(), accepted);
            QVERIFY(writeFile(path = dir.filePath("test.plist"), data));
        }
        QCOMPARE(readPropertyListDictionary(path, &error).has_value(), accepted);
        QVERIFY2(accepted || error.contains(path), qPrintable(error));
    }

    // The preferences write and read numbers alike under every locale shipped.
    void preferencesAlikeInEveryLocale()
    {
        const auto restore = qScopeGuard([] {
            std::setlocale(LC_ALL, "C");
            QLocale::setDefault(QLocale::c());
        });
        const auto roundTrip = [](const char *locale) {
            std::setlocale(LC_ALL, locale);
            QLocale::setDefault(QLocale(QString(locale).section('.', 0, 0)));
            QTemporaryDir dir;
            const QString path = dir.filePath("duskmap.conf");
            Preferences(path).setObject("HomeElevation", 812.5);
            Preferences(path).setObject("MainWindow", QRect(-3, 20, 720, 457));
            const Preferences read(path);
            return readFile(path) + read.objectForKey("HomeElevation").toString().toUtf8() +
                   QByteArray::number(read.objectForKey("HomeElevation").toDouble());
        };
        const QByteArray c = roundTrip("C");
        QVERIFY2(c.contains("812.5") && c.endsWith("812.5812.5"), c.constData());
        for (const char *locale :
             {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8", "pt_BR.UTF-8",
              "ru_RU.UTF-8", "uk_UA.UTF-8", "ja_JP.UTF-8", "zh_CN.UTF-8"})
            QCOMPARE(roundTrip(locale), c);
    }

    void preferencesStoreAndDefaults()
    {
        QCOMPARE(Preferences::defaultFilePath(),
                 qEnvironmentVariable("XDG_CONFIG_HOME") + "/duskmap/duskmap.conf");
        QTemporaryDir dir;
        const QString path = dir.filePath("sub/dir/duskmap.conf");
        const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03\x00\x00=\n[x]", 14);
        {
            Preferences preferences(path);
            QVERIFY(!preferences.boolForKey("ShowLocationNames"));
            QVERIFY(preferences.stringForKey("DefaultTimeZone").isNull());
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
        }
        // Stored values persist, defaults do not.
        Preferences reopened(copyOf(path));
        QVERIFY(!reopened.objectForKey("ShowLocationNames").isValid());
        QVERIFY(!reopened.boolForKey("ShowLatLon") && reopened.boolForKey("ShowLocations"));
        QCOMPARE(reopened.stringForKey("DefaultTimeZone"), "America/Argentina/Buenos_Aires");
        QCOMPARE(reopened.objectForKey("MainWindow").toByteArray(), geometry);
    }

    void preferenceBooleans()
    {
        QTemporaryDir dir;
        int row = 0;
        for (const char *value :
             {"true", "TRUE", "1", "yes", "0.5", "false", "0", "no", "maybe", ""}) {
            const QString path = dir.filePath(QString::number(row));
            QVERIFY(writeFile(path, QByteArray("[General]\nShowLatLon=") + value + "\n"));
            Preferences preferences(path);
            preferences.registerDefaults({{"ShowLatLon", row >= 5}});
            QVERIFY2(preferences.boolForKey("ShowLatLon") == (row++ < 5), value);
        }
    }
    // Unparsable files, serialised objects (Qt would build pixmaps from them) and absurd
    // sizes are kept aside, the defaults apply; a text starting with "@" reads back.
    void preferencesKeepForeignContentAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("corrupt");
        const QByteArray head = "[General]\nShowLatLon=true\n";
        const auto row = [](const char *name, const QByteArray &content, bool corrupt = true) {
            QTest::newRow(name) << content << corrupt;
        };
        row("unparsable", QByteArray("\x00\x01[[[ShowLatLon=true\n[unterm\n", 29));
        row("serialised", head + "Zone=@Variant(\\0\\0\\0\\x41\\0)\n");
        row("serialised after an escaped text",
            head + "A=@@Variant(x)\nB=@Variant(\\0\\0\\0\\x41\\0)\n");
        row("quoted serialised in a list",
            head + "A=x, \"@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\"\n");
        row("too large", head + QByteArray(2 << 20, '#'));
        row("escaped texts", head + "Note=@@Variant(a\nList=\"x, @Variant(b\"\n", false);
    }
    void preferencesKeepForeignContentAside()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, corrupt);
        QTemporaryDir dir;
        const QString path = dir.filePath("duskmap.conf");
        QVERIFY(writeFile(path, content));
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
            QVERIFY(writeFile(path, content + "again"));
            Preferences again(path);
            QCOMPARE(readFile(path + ".corrupt.1"), content + "again");
        }
    }

    // The store's folder a file, the disk full, the folder read-only: the older
    // file stays as it was.
    void unwritablePreferencesWarnOnceAndKeepValues_data()
    {
        QTest::addColumn<QString>("reason");
        for (const char *reason : {"Not a directory", "File too large", "Permission denied"})
            QTest::newRow(reason) << reason;
    }
    void unwritablePreferencesWarnOnceAndKeepValues()
    {
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("store/duskmap/duskmap.conf");
        const QByteArray old = "[General]\nShowLocations=true\n";
        const bool inTheWay = reason == "Not a directory";
        QVERIFY(inTheWay ? writeFile(dir.filePath("store"), "a file where the directory should be")
                         : QDir(dir.path()).mkpath("store/duskmap") && writeFile(path, old));
        MessageLog log;
        Preferences preferences(path);
        {
            const WriteFault fault(reason, dir.filePath("store/duskmap"));
            preferences.setObject("ShowLatLon", true);
            preferences.setObject("DefaultTimeZone", "Europe/Berlin");
            preferences.setObject("ShowLatLon", false);
        }
        QVERIFY(!preferences.boolForKey("ShowLatLon"));
        QCOMPARE(preferences.stringForKey("DefaultTimeZone"), "Europe/Berlin");
        QCOMPARE(log.warnings(), {"Cannot write the preferences " + path + ": " + reason +
                                  "; changes last for this session only"});
        QCOMPARE(readFile(path), inTheWay ? "" : old);
    }

    // The first of the user's languages with a catalogue speaks, with Qt's
    // own strings in the same language; English and C keep the code's texts.
    // Places and angles for people: the hemisphere of the value as shown, halves of a degree
    // away from 0, a true minus, bearings within a turn.
    void coordinatesForPeople_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both hemispheres")
            << shownCoordinates({40.71424, -74.00645}, 4) << "40.7142° N, 74.0065° W";
        QTest::newRow("south, east")
            << shownCoordinates({-33.8667, 151.2167}, 2) << "33.87° S, 151.22° E";
        QTest::newRow("rounds to 0: north") << shownLatitude(-0.004, 2) << "0.00° N";
        QTest::newRow("rounds to 0: east") << shownLongitude(-0.4, 0) << "0° E";
        QTest::newRow("degrees, half down") << shownDegrees(-6.5) << "\u22127";
        QTest::newRow("degrees, half up") << shownDegrees(2.5) << "3";
        QTest::newRow("degrees, a tenth") << shownDegrees(-0.04, 1) << "0.0";
        QTest::newRow("bearing, a turn") << shownBearing(359.6) << "0";
        QTest::newRow("bearing, below 0") << shownBearing(-90.2) << "270";
    }
    void coordinatesForPeople()
    {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }

    void translators_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("texts");
        QTest::newRow("German")
            << "de_AT"
            << "de"
            << "Sonne anzeigen|Abbrechen|Montag, 7. Dezember 2026|"
               "Breite:  40° 42' 51\" N|Länge:  74°  0' 23\" W|40,71° N, 74,01° W";
        QTest::newRow("Brazilian")
            << "pt_BR"
            << "pt_BR"
            << "Mostrar Sol|Cancelar|segunda-feira, 7 de dezembro de 2026|"
               "Latitude:  40° 42' 51\" N|Longitude:  74°  0' 23\" O|40,71° N, 74,01° O";
        QTest::newRow("Russian") << "ru_RU"
                                 << "ru"
                                 << "Показать Солнце|Отмена|понедельник, 7 декабря 2026 г.|"
                                    "Широта:  40° 42' 51\" с. ш.|Долгота:  74°  0' 23\" з. д.|"
                                    "40,71° с. ш., 74,01° з. д.";
        QTest::newRow("Chinese")
            << "zh_CN"
            << "zh_CN"
            << "显示太阳|取消|2026年12月7日星期一|"
               "纬度:  40° 42' 51\" 北|经度:  74°  0' 23\" 西|北纬40.71°，西经74.01°";
        QTest::newRow("no catalogue") << "ko_KR"
                                      << ""
                                      << "Show Sun|Cancel|2026년 12월 7일 월요일|"
                                         "Latitude:  40° 42' 51\" N|Longitude:  74°  0' 23\" W|"
                                         "40.71° N, 74.01° W";
        QTest::newRow("English") << "en_US"
                                 << ""
                                 << "Show Sun|Cancel|Monday, December 7, 2026|"
                                    "Latitude:  40° 42' 51\" N|Longitude:  74°  0' 23\" W|"
                                    "40.71° N, 74.01° W";
    }
    void translators()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, texts);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(installTranslators(QLocale(locale)), language);
        const auto shownPosition = [](const char *label, const PositionValue &position) {
            return readoutText(label, readoutValue(position.value, position.hemisphere));
        };
        const QStringList shown{QCoreApplication::translate("Localizable", "Show Sun", "ShowSun"),
                                QCoreApplication::translate("QPlatformTheme", "Cancel"),
                                longDateText(QDate(2026, 12, 7)),
                                shownPosition("Latitude", latitudeValue(40.7142f)),
                                shownPosition("Longitude", longitudeValue(-74.0064f)),
                                shownCoordinates({40.7142, -74.0064}, 2)};
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
        QLocale::setDefault(QLocale::c());
        QCOMPARE(shown.join(u'|'), texts);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
