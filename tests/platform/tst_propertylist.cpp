#include "MessageLog.h"
#include "platform/PropertyList.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <plist/plist.h>

#include <cstdlib>

namespace {

QByteArray xmlPlist(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
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

// A binary property list from its objects: the offset table and the trailer,
// with object 0 as the root.
QByteArray binaryPlist(const QList<QByteArray> &objects, int offsetSize, int refSize)
{
    QByteArray body = "bplist00";
    QByteArray table;
    for (const QByteArray &object : objects) {
        table += bigEndian(body.size(), offsetSize);
        body += object;
    }
    return body + table + QByteArray(6, '\0') + char(offsetSize) + char(refSize) +
           bigEndian(objects.size(), 8) + bigEndian(0, 8) + bigEndian(body.size(), 8);
}

// depth nested one-element arrays around an integer; with cycle, the innermost
// array refers back to the outermost instead.
QByteArray nestedBinaryArrays(int depth, bool cycle = false)
{
    QList<QByteArray> objects;
    for (int k = 0; k < depth; ++k)
        objects.append(char(0xA1) + bigEndian(cycle && k == depth - 1 ? 0 : k + 1, 4));
    objects.append(QByteArray("\x10\x00", 2));
    return binaryPlist(objects, 4, 4);
}

// Arrays each holding the next array twice: a few bytes per level, but libplist copies
// shared objects, so the list expands to 2^levels values.
QByteArray doublyReferencedArrays(int levels)
{
    QList<QByteArray> objects;
    for (int k = 0; k < levels; ++k)
        objects.append(char(0xA2) + bigEndian(k + 1, 1) + bigEndian(k + 1, 1));
    objects.append(QByteArray(1, char(0x09)));
    return binaryPlist(objects, 1, 1);
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &data)
{
    const QString path = dir.filePath("test.plist");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return QString();
    return path;
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

const QByteArray kSampleBody = "<dict>\n"
                               "<key>Europe/Berlin</key><array><real>52.5</real>"
                               "<string>13.366667</string></array>\n"
                               "<key>count</key><integer>-42</integer>\n"
                               "<key>flag</key><true/>\n"
                               "<key>name</key><string>Zürich</string>\n"
                               "<key>blob</key><data>AAEC</data>\n"
                               "<key>when</key><date>2007-03-21T18:40:00Z</date>\n"
                               "<key>nested</key><dict><key>empty</key><array/></dict>\n"
                               "</dict>";

} // namespace

class TestPropertyList : public QObject
{
    Q_OBJECT

private slots:
    void readsValues_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("xml") << xmlPlist(kSampleBody);
        QTest::newRow("binary") << toBinary(xmlPlist(kSampleBody));
    }
    void readsValues()
    {
        QFETCH(QByteArray, data);
        QTemporaryDir dir;
        const QString path = writeFile(dir, data);
        MessageLog log;
        const auto dict = readPropertyListDictionary(path);
        QVERIFY(dict.has_value());
        QCOMPARE(log.warnings().size(), 0);

        const QVariantList berlin = dict->value("Europe/Berlin").toList();
        QCOMPARE(berlin.size(), 2);
        QCOMPARE(berlin[0].typeId(), int(QMetaType::Double));
        QCOMPARE(berlin[0].toDouble(), 52.5);
        QCOMPARE(berlin[1].typeId(), int(QMetaType::QString));
        QCOMPARE(berlin[1].toString(), QStringLiteral("13.366667"));
        QCOMPARE(dict->value("count").typeId(), int(QMetaType::LongLong));
        QCOMPARE(dict->value("count").toLongLong(), -42);
        QCOMPARE(dict->value("flag").typeId(), int(QMetaType::Bool));
        QCOMPARE(dict->value("flag").toBool(), true);
        QCOMPARE(dict->value("name").toString(), QStringLiteral("Zürich"));
        QCOMPARE(dict->value("blob").toByteArray(), QByteArray("\x00\x01\x02", 3));
        QCOMPARE(dict->value("when").toDateTime(),
                 QDateTime(QDate(2007, 3, 21), QTime(18, 40), Qt::UTC));
        const QVariantMap nested = dict->value("nested").toMap();
        QCOMPARE(nested.value("empty").typeId(), int(QMetaType::QVariantList));
        QVERIFY(nested.value("empty").toList().isEmpty());
    }

    void hostileInputGivesNothing_data()
    {
        QTest::addColumn<QByteArray>("data");

        const QByteArray sample = xmlPlist(kSampleBody);
        const QByteArray binary = toBinary(sample);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\x7f\xffnot a property list at all", 28);
        QTest::newRow("truncated xml") << sample.left(sample.size() / 2);
        QTest::newRow("root is an array") << xmlPlist("<array><real>1</real></array>");
        QTest::newRow("root is a string") << xmlPlist("<string>dict</string>");
        QTest::newRow("binary magic only") << QByteArray("bplist00");
        QTest::newRow("binary truncated") << binary.left(binary.size() - 5);
        QTest::newRow("binary trailer cut off") << binary.left(binary.size() - 32);
        QTest::newRow("binary root is an array") << nestedBinaryArrays(3);
        QTest::newRow("binary 100000 deep") << nestedBinaryArrays(100000);
        QTest::newRow("binary cycle") << nestedBinaryArrays(5, true);
        QTest::newRow("binary shared references expanding to 2^40 values")
            << doublyReferencedArrays(40);
        // {"a\0b": true}: a dictionary, a key with a NUL character, a boolean.
        QTest::newRow("binary key with NUL") << binaryPlist({"\xD1\x01\x02",
                                                             QByteArray("\x53"
                                                                        "a\0b",
                                                                        4),
                                                             "\x09"},
                                                            1, 1);
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

        QByteArray huge = "<dict><key>pad</key><string>";
        huge += QByteArray(9 * 1024 * 1024, 'x');
        huge += "</string></dict>";
        QTest::newRow("9 MB file") << xmlPlist(huge);
    }
    void hostileInputGivesNothing()
    {
        QFETCH(QByteArray, data);
        QTemporaryDir dir;
        const QString path = writeFile(dir, data);
        MessageLog log;
        QVERIFY(!readPropertyListDictionary(path).has_value());
        QCOMPARE(log.warnings().size(), 1);
        QVERIFY2(log.warnings().first().contains(path), qPrintable(log.warnings().first()));

        QString error;
        QVERIFY(!parsePropertyListDictionary(data, &error).has_value());
        QVERIFY(!error.isEmpty());
        QCOMPARE(log.warnings().size(), 1);
    }

    void missingFileGivesOneWarning()
    {
        QTemporaryDir dir;
        MessageLog log;
        QVERIFY(!readPropertyListDictionary(dir.filePath("absent.plist")).has_value());
        QVERIFY(!readPropertyListDictionary(dir.path()).has_value());
        QVERIFY(!readPropertyListDictionary(":/no/such/resource.plist").has_value());
        QCOMPARE(log.warnings().size(), 3);
        QVERIFY(log.warnings()[0].contains("absent.plist"));
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
