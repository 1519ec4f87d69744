#include "platform/PropertyList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

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
    value = qToBigEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&value) + 8 - width, width);
}

// Object 0 is the root; one width serves offsets and references.
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

// Arrays nested depth deep around an integer; with cycle the innermost refers back
// to the root; with fanOut 2 each holds the next twice, which libplist copies out
// to 2^depth values.
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

const QByteArray kSample = xmlPlist(
    "<dict><key>Europe/Berlin</key><array><real>52.5</real><string>13.366667</string></array>"
    "<key>count</key><integer>-42</integer><key>flag</key><true/>"
    "<key>name</key><string>Zürich</string><key>blob</key><data>AAEC</data>"
    "<key>when</key><date>2007-03-21T18:40:00Z</date>"
    "<key>nested</key><dict><key>empty</key><array/></dict></dict>");

QByteArray nestedArrays(int arrays)
{
    return xmlPlist("<dict><key>a</key>" + QByteArray("<array>").repeated(arrays) +
                    QByteArray("</array>").repeated(arrays) + "</dict>");
}

} // namespace

class TestPropertyList : public QObject
{
    Q_OBJECT

private slots:
    void readsValues()
    {
        for (const QByteArray &data : {kSample, toBinary(kSample)}) {
            const auto dict = parsePropertyListDictionary(data);
            QVERIFY(dict.has_value());
            QCOMPARE(*dict, (QVariantMap{
                                {"Europe/Berlin", QVariantList{52.5, QStringLiteral("13.366667")}},
                                {"count", qint64(-42)},
                                {"flag", true},
                                {"name", QStringLiteral("Zürich")},
                                {"blob", QByteArray("\x00\x01\x02", 3)},
                                {"when", QDateTime(QDate(2007, 3, 21), QTime(18, 40), Qt::UTC)},
                                {"nested", QVariantMap{{"empty", QVariantList{}}}}}));
            // QVariant compares numbers by value, so the types are pinned apart.
            const QVariantList berlin = dict->value("Europe/Berlin").toList();
            QCOMPARE((QList<int>{berlin[0].typeId(), berlin[1].typeId(),
                                 dict->value("count").typeId(), dict->value("flag").typeId()}),
                     (QList<int>{QMetaType::Double, QMetaType::QString, QMetaType::LongLong,
                                 QMetaType::Bool}));
        }
    }

    // Bytes are parsed, then read from a file (an empty path) or the path is read.
    void refusedWithReason_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("path");
        const auto row = [](const char *name, const QByteArray &data, const QString &path = {}) {
            QTest::newRow(name) << data << path;
        };
        const QByteArray binary = toBinary(kSample);
        const QByteArray key = "<dict><key>a</key>";
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
        row("missing resource", {}, ":/no/such/resource.plist");
    }
    void refusedWithReason()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, path);
        QString error;
        QTemporaryDir dir;
        if (path.isEmpty()) {
            QVERIFY(!parsePropertyListDictionary(data, &error).has_value());
            QVERIFY(!error.isEmpty());
            QFile file(path = dir.filePath("test.plist"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
        }
        QVERIFY(!readPropertyListDictionary(path, &error).has_value());
        QVERIFY2(error.contains(path), qPrintable(error));
    }

    void nestingAtTheLimitIsRead()
    {
        const QByteArray xml = nestedArrays(kMaxPropertyListDepth - 1);
        QVERIFY(parsePropertyListDictionary(xml) && parsePropertyListDictionary(toBinary(xml)));
    }
};

QTEST_GUILESS_MAIN(TestPropertyList)
#include "tst_propertylist.moc"
