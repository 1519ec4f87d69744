#include "platform/PropertyList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <plist/plist.h>

#include <cstdlib>

namespace {

QByteArray xmlPlist(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC "
           "\"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n" +
           body + "\n</plist>\n";
}

QByteArray bigEndian(quint64 value, int width)
{
    QByteArray bytes;
    for (int k = width - 1; k >= 0; --k)
        bytes.append(char((value >> (8 * k)) & 0xFF));
    return bytes;
}

// A binary property list of these objects, object 0 the root, with one width
// for offsets and references.
QByteArray binaryPlist(const QList<QByteArray> &objects, int width)
{
    QByteArray body = "bplist00";
    QByteArray table;
    for (const QByteArray &object : objects) {
        table += bigEndian(body.size(), width);
        body += object;
    }
    return body + table + QByteArray(6, '\0') + char(width) + char(width) +
           bigEndian(objects.size(), 8) + bigEndian(0, 8) + bigEndian(body.size(), 8);
}

// Arrays nested depth deep around an integer; with cycle, the innermost refers
// back to the outermost. With fanOut 2 every array holds the next one twice: a
// few bytes per level that libplist, copying shared objects, expands to 2^depth.
QByteArray binaryArrays(int depth, bool cycle = false, int fanOut = 1)
{
    QList<QByteArray> objects;
    for (int k = 0; k < depth; ++k) {
        const QByteArray ref = bigEndian(cycle && k == depth - 1 ? 0 : k + 1, 4);
        objects.append(char(0xA0 + fanOut) + ref.repeated(fanOut));
    }
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
    QByteArray binary(bytes, length);
    std::free(bytes);
    plist_free(root);
    return binary;
}

const QByteArray kSample = xmlPlist("<dict>\n"
                                    "<key>Europe/Berlin</key><array><real>52.5</real>"
                                    "<string>13.366667</string></array>\n"
                                    "<key>count</key><integer>-42</integer>\n"
                                    "<key>flag</key><true/>\n"
                                    "<key>name</key><string>Zürich</string>\n"
                                    "<key>blob</key><data>AAEC</data>\n"
                                    "<key>when</key><date>2007-03-21T18:40:00Z</date>\n"
                                    "<key>nested</key><dict><key>empty</key><array/></dict>\n"
                                    "</dict>");

} // namespace

class TestPropertyList : public QObject
{
    Q_OBJECT

private slots:
    void readsValues_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("xml") << kSample;
        QTest::newRow("binary") << toBinary(kSample);
    }
    void readsValues()
    {
        QFETCH(QByteArray, data);
        const auto dict = parsePropertyListDictionary(data);
        QVERIFY(dict.has_value());
        const QVariantMap expected{
            {"Europe/Berlin", QVariantList{52.5, QStringLiteral("13.366667")}},
            {"count", qint64(-42)},
            {"flag", true},
            {"name", QStringLiteral("Zürich")},
            {"blob", QByteArray("\x00\x01\x02", 3)},
            {"when", QDateTime(QDate(2007, 3, 21), QTime(18, 40), Qt::UTC)},
            {"nested", QVariantMap{{"empty", QVariantList{}}}}};
        QCOMPARE(*dict, expected);
        // QVariant compares numbers by value: the types are checked on their own.
        const QVariantList berlin = dict->value("Europe/Berlin").toList();
        QCOMPARE(berlin[0].typeId(), int(QMetaType::Double));
        QCOMPARE(berlin[1].typeId(), int(QMetaType::QString));
        QCOMPARE(dict->value("count").typeId(), int(QMetaType::LongLong));
        QCOMPARE(dict->value("flag").typeId(), int(QMetaType::Bool));
    }

    void hostileInputGivesNothing_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray binary = toBinary(kSample);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\x7f\xffnot a property list at all", 28);
        QTest::newRow("truncated xml") << kSample.left(kSample.size() / 2);
        QTest::newRow("root is an array") << xmlPlist("<array><real>1</real></array>");
        QTest::newRow("binary magic only") << QByteArray("bplist00");
        QTest::newRow("binary truncated") << binary.left(binary.size() - 5);
        QTest::newRow("binary trailer cut off") << binary.left(binary.size() - 32);
        QTest::newRow("binary root is an array") << binaryArrays(3);
        QTest::newRow("binary 100000 deep") << binaryArrays(100000);
        QTest::newRow("binary cycle") << binaryArrays(5, true);
        QTest::newRow("binary shared references expanding to 2^40 values")
            << binaryArrays(40, false, 2);
        // {"a\0b": true}: a dictionary, a key with a NUL character, a boolean.
        QTest::newRow("binary key with NUL") << binaryPlist({"\xD1\x01\x02",
                                                             QByteArray("\x53"
                                                                        "a\0b",
                                                                        4),
                                                             "\x09"},
                                                            1);
        QTest::newRow("xml key with NUL")
            << xmlPlist(QByteArray("<dict><key>a\0b</key><true/></dict>", 35));
        const QByteArray deep =
            QByteArray("<array>").repeated(100000) + QByteArray("</array>").repeated(100000);
        QTest::newRow("xml 100000 deep") << xmlPlist("<dict><key>a</key>" + deep + "</dict>");
        QTest::newRow("xml 100000 deep, unclosed")
            << xmlPlist(QByteArray(700000, ' ') + deep.left(700000));
        // Quoted attributes and comments must not hide nesting from the depth check.
        QTest::newRow("nesting behind quoted slashes")
            << xmlPlist("<dict><key>a</key>" + QByteArray("<array x=\"/>\">").repeated(100000));
        QTest::newRow("nesting behind comments") << xmlPlist(
            "<dict><key>a</key>" + QByteArray("<array><!-- </array> -->").repeated(100000));
        QTest::newRow("unterminated comment") << xmlPlist("<dict><!-- </dict>");
        QTest::newRow("9 MB file") << xmlPlist("<dict><key>pad</key><string>" +
                                               QByteArray(9 << 20, 'x') + "</string></dict>");
    }
    void hostileInputGivesNothing()
    {
        QFETCH(QByteArray, data);
        QString error;
        QVERIFY(!parsePropertyListDictionary(data, &error).has_value());
        QVERIFY(!error.isEmpty());
        // Read from a file, the message names it.
        QTemporaryDir dir;
        const QString path = dir.filePath("test.plist");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
        file.close();
        QVERIFY(!readPropertyListDictionary(path, &error).has_value());
        QVERIFY2(error.contains(path), qPrintable(error));
    }

    void unreadablePathGivesNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << QDir::tempPath() + "/duskmap-absent.plist";
        QTest::newRow("a directory") << QDir::tempPath();
        QTest::newRow("missing resource") << ":/no/such/resource.plist";
    }
    void unreadablePathGivesNothing()
    {
        QFETCH(QString, path);
        QString error;
        QVERIFY(!readPropertyListDictionary(path, &error).has_value());
        QVERIFY2(error.contains(path), qPrintable(error));
    }

    void nestingAtTheLimitIsRead()
    {
        // The root dictionary is level 1: kMaxPropertyListDepth - 1 arrays fit under it.
        for (const int arrays : {kMaxPropertyListDepth - 1, kMaxPropertyListDepth}) {
            const QByteArray xml =
                xmlPlist("<dict><key>a</key>" + QByteArray("<array>").repeated(arrays) +
                         QByteArray("</array>").repeated(arrays) + "</dict>");
            const bool fits = arrays < kMaxPropertyListDepth;
            QCOMPARE(parsePropertyListDictionary(xml).has_value(), fits);
            QCOMPARE(parsePropertyListDictionary(toBinary(xml)).has_value(), fits);
        }
    }
};

QTEST_GUILESS_MAIN(TestPropertyList)
#include "tst_propertylist.moc"
