#include "platform/PropertyList.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QVariantList>

#include <plist/plist.h>

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <memory>
#include <vector>

namespace {

// Seconds from 1970-01-01 to 2001-01-01, the epoch of property-list dates.
constexpr qint64 kPlistEpochSecs = 978307200;

// Most values accepted in the tree a binary property list expands to, where every
// reference to a shared object makes a copy of it.
constexpr quint64 kMaxPropertyListNodes = quint64(1) << 21;

// libplist builds its XML tree iteratively but frees it, and parses binary lists,
// by recursion: a deep enough input overflows the stack. Both scanners below bound
// the depth of any tree libplist could build from the bytes before it sees them.

// Deepest element nesting in XML text, tokenised the way libplist's reader does:
// comments, processing instructions, CDATA and the DOCTYPE are skipped; double
// quotes are honoured inside start tags; a start tag is empty only when '/' directly
// precedes its '>' and it has no quoted attribute. Errs on the deep side.
bool xmlNestingWithin(QByteArrayView xml, int maxDepth, QString *reason)
{
    const qsizetype n = xml.size();
    int depth = 0;
    qsizetype i = 0;
    auto fail = [reason](const char *why) {
        *reason = QString::fromLatin1(why);
        return false;
    };
    while ((i = xml.indexOf('<', i)) >= 0) {
        const QByteArrayView rest = xml.sliced(i);
        auto skipPast = [&](qsizetype from, QByteArrayView terminator) {
            const qsizetype end = xml.indexOf(terminator, from);
            return end < 0 ? qsizetype(-1) : end + terminator.size();
        };
        if (rest.startsWith("<!--")) {
            i = skipPast(i + 4, "-->");
            if (i < 0)
                return fail("unterminated comment");
        } else if (rest.startsWith("<![CDATA[")) {
            i = skipPast(i + 9, "]]>");
            if (i < 0)
                return fail("unterminated CDATA section");
        } else if (rest.startsWith("<?")) {
            i = skipPast(i + 2, "?>");
            if (i < 0)
                return fail("unterminated processing instruction");
        } else if (rest.startsWith("<!DOCTYPE")) {
            qsizetype j = i + 9;
            while (j < n && xml[j] != '[' && xml[j] != '>')
                ++j;
            if (j >= n)
                return fail("unterminated DOCTYPE");
            i = xml[j] == '[' ? skipPast(j, "]>") : j + 1;
            if (i < 0)
                return fail("unterminated DOCTYPE");
        } else if (rest.startsWith("<!")) {
            return fail("unexpected markup");
        } else if (rest.startsWith("</")) {
            const qsizetype end = xml.indexOf('>', i);
            if (end < 0)
                return fail("unterminated end tag");
            if (xml.sliced(i, end - i).contains('"'))
                return fail("quote in an end tag");
            depth = depth > 0 ? depth - 1 : 0;
            i = end + 1;
        } else {
            qsizetype j = i + 1;
            bool quoted = false;
            bool sawQuote = false;
            for (; j < n; ++j) {
                if (xml[j] == '"') {
                    quoted = !quoted;
                    sawQuote = true;
                } else if (xml[j] == '>' && !quoted) {
                    break;
                }
            }
            if (j >= n)
                return fail("unterminated tag");
            const bool empty = !sawQuote && j - 1 > i && xml[j - 1] == '/';
            if (!empty && ++depth > maxDepth)
                return fail("nested too deeply");
            i = j + 1;
        }
    }
    return true;
}

quint64 bigEndian(QByteArrayView bytes, qsizetype at, int width)
{
    quint64 value = 0;
    for (int k = 0; k < width; ++k)
        value = (value << 8) | quint8(bytes[at + k]);
    return value;
}

// Checks a binary property list ("bplist00"): a sound trailer and offset table, strings
// without NUL characters, references inside the table, no cycles, a container depth of
// at most maxDepth from the top object and at most maxNodes objects in the tree that
// libplist builds. Work is linear in the size of the input.
bool binaryListSound(QByteArrayView data, int maxDepth, quint64 maxNodes, QString *reason)
{
    auto fail = [reason](const char *why) {
        *reason = QString::fromLatin1(why);
        return false;
    };
    constexpr qsizetype kHeaderBytes = 8;
    constexpr qsizetype kTrailerBytes = 32;
    const qsizetype n = data.size();
    if (n < kHeaderBytes + kTrailerBytes)
        return fail("truncated binary property list");
    const qsizetype trailer = n - kTrailerBytes;
    const int offsetWidth = quint8(data[trailer + 6]);
    const int refWidth = quint8(data[trailer + 7]);
    const quint64 objectCount = bigEndian(data, trailer + 8, 8);
    const quint64 topObject = bigEndian(data, trailer + 16, 8);
    const quint64 tableOffset = bigEndian(data, trailer + 24, 8);
    if (offsetWidth < 1 || offsetWidth > 8 || refWidth < 1 || refWidth > 8)
        return fail("corrupt binary trailer");
    if (tableOffset < quint64(kHeaderBytes) || tableOffset >= quint64(trailer) ||
        objectCount == 0 || objectCount > (quint64(trailer) - tableOffset) / offsetWidth ||
        topObject >= objectCount)
        return fail("corrupt binary offset table");

    const auto count = qsizetype(objectCount);
    std::vector<qsizetype> offsets(count);
    for (qsizetype k = 0; k < count; ++k) {
        const quint64 offset =
            bigEndian(data, qsizetype(tableOffset) + k * offsetWidth, offsetWidth);
        if (offset < quint64(kHeaderBytes) || offset >= tableOffset)
            return fail("object offset out of range");
        offsets[k] = qsizetype(offset);
    }

    // The payload of object k: where it starts and its length field (bytes, UTF-16
    // units or entries, by type); false when the length runs past the objects.
    auto payloadOf = [&](qsizetype k, qsizetype *start, quint64 *length) {
        const qsizetype at = offsets[k];
        *length = quint8(data[at]) & 0x0F;
        qsizetype p = at + 1;
        if (*length == 0x0F) {
            if (p >= qsizetype(tableOffset))
                return false;
            const quint8 intMarker = quint8(data[p]);
            const int width = 1 << (intMarker & 0x0F);
            if ((intMarker >> 4) != 0x1 || width > 8 || p + 1 + width > qsizetype(tableOffset))
                return false;
            *length = bigEndian(data, p + 1, width);
            p += 1 + width;
        }
        *start = p;
        return true;
    };

    // libplist aborts on a string or key with a NUL character in it.
    for (qsizetype k = 0; k < count; ++k) {
        const int type = quint8(data[offsets[k]]) >> 4;
        if (type != 0x5 && type != 0x6)
            continue;
        qsizetype start = 0;
        quint64 length = 0;
        const int unitBytes = type == 0x6 ? 2 : 1;
        if (!payloadOf(k, &start, &length) ||
            length > (quint64(tableOffset) - quint64(start)) / unitBytes)
            return fail("corrupt string object");
        for (qsizetype u = 0; u < qsizetype(length); ++u) {
            if (bigEndian(data, start + u * unitBytes, unitBytes) == 0)
                return fail("NUL character in a string");
        }
    }

    // Where the references of container object k start, and how many there are.
    struct Refs
    {
        qsizetype first = 0;
        qsizetype count = 0;
    };
    auto refsOf = [&](qsizetype k, Refs *refs) {
        const int type = quint8(data[offsets[k]]) >> 4;
        *refs = {};
        if (type != 0xA && type != 0xC && type != 0xD)
            return true;
        qsizetype p = 0;
        quint64 length = 0;
        if (!payloadOf(k, &p, &length))
            return false;
        const quint64 perEntry = type == 0xD ? 2 : 1;
        const quint64 room = (quint64(tableOffset) - quint64(p)) / quint64(refWidth);
        if (length > room / perEntry)
            return false;
        *refs = {p, qsizetype(length * perEntry)};
        return true;
    };

    // Depth-first walk with memoised depths (-1 not seen, 0 on the current path) and
    // sizes. libplist copies an object for every reference to it, so the size that
    // counts is that of the tree with every shared reference expanded: a few hundred
    // bytes of doubly referenced arrays would otherwise expand to gigabytes.
    std::vector<int> depthOf(count, -1);
    std::vector<quint64> nodesOf(count, 0);
    struct Frame
    {
        qsizetype object;
        Refs refs;
        qsizetype next;
        int deepestChild;
        quint64 nodes;
    };
    std::vector<Frame> path;
    auto enter = [&](qsizetype k) {
        Refs refs;
        if (!refsOf(k, &refs))
            return false;
        depthOf[k] = 0;
        path.push_back({k, refs, 0, 0, 1});
        return true;
    };
    if (!enter(qsizetype(topObject)))
        return fail("corrupt container");
    while (!path.empty()) {
        Frame &frame = path.back();
        if (frame.next == frame.refs.count) {
            const int depth = frame.deepestChild + 1;
            if (depth > maxDepth)
                return fail("nested too deeply");
            depthOf[frame.object] = depth;
            nodesOf[frame.object] = frame.nodes;
            const quint64 nodes = frame.nodes;
            path.pop_back();
            if (!path.empty()) {
                path.back().deepestChild = std::max(path.back().deepestChild, depth);
                path.back().nodes += nodes;
                if (path.back().nodes > maxNodes)
                    return fail("too many objects");
            }
            continue;
        }
        const quint64 child = bigEndian(data, frame.refs.first + frame.next * refWidth, refWidth);
        ++frame.next;
        if (child >= objectCount)
            return fail("object reference out of range");
        const int known = depthOf[qsizetype(child)];
        if (known == 0)
            return fail("cyclic object references");
        if (known > 0) {
            frame.deepestChild = std::max(frame.deepestChild, known);
            frame.nodes += nodesOf[qsizetype(child)];
            if (frame.nodes > maxNodes)
                return fail("too many objects");
            continue;
        }
        if (int(path.size()) >= maxDepth)
            return fail("nested too deeply");
        if (!enter(qsizetype(child)))
            return fail("corrupt container");
    }
    return true;
}

// libplist reads <real> values with the C library's strtod, which follows
// LC_NUMERIC: under a decimal-comma locale "52.5" would read as 52. The thread
// parses with the C locale's numbers, whatever the process was given.
class CNumbersInThisThread
{
public:
    CNumbersInThisThread() : m_previous(uselocale(cLocale())) {}
    ~CNumbersInThisThread() { uselocale(m_previous); }
    CNumbersInThisThread(const CNumbersInThisThread &) = delete;
    CNumbersInThisThread &operator=(const CNumbersInThisThread &) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return c ? c : LC_GLOBAL_LOCALE;
    }
    locale_t m_previous;
};

struct PlistDeleter
{
    void operator()(void *node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

struct MallocDeleter
{
    void operator()(char *p) const { std::free(p); }
};
using MallocPtr = std::unique_ptr<char, MallocDeleter>;

QVariant toVariant(plist_t node, int depth);

QVariantMap dictToMap(plist_t dict, int depth)
{
    QVariantMap map;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(dict, &iter);
    if (!iter)
        return map;
    for (;;) {
        char *rawKey = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dict, iter, &rawKey, &value);
        MallocPtr key(rawKey);
        if (!value)
            break;
        map.insert(QString::fromUtf8(key.get()), toVariant(value, depth + 1));
    }
    std::free(iter);
    return map;
}

QVariant toVariant(plist_t node, int depth)
{
    if (depth > kMaxPropertyListDepth)
        return {};
    switch (plist_get_node_type(node)) {
    case PLIST_DICT:
        return dictToMap(node, depth);
    case PLIST_ARRAY: {
        QVariantList list;
        const uint32_t size = plist_array_get_size(node);
        list.reserve(size);
        for (uint32_t k = 0; k < size; ++k)
            list.append(toVariant(plist_array_get_item(node, k), depth + 1));
        return list;
    }
    case PLIST_STRING: {
        char *raw = nullptr;
        plist_get_string_val(node, &raw);
        MallocPtr text(raw);
        return QString::fromUtf8(text.get());
    }
    case PLIST_REAL: {
        double value = 0.0;
        plist_get_real_val(node, &value);
        return value;
    }
    case PLIST_UINT: {
        // Integers are held as 64-bit patterns; negative ones come back two's complement.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return qint64(value);
    }
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return value != 0;
    }
    case PLIST_DATE: {
        int32_t secs = 0;
        int32_t usecs = 0;
        plist_get_date_val(node, &secs, &usecs);
        return QDateTime::fromMSecsSinceEpoch((kPlistEpochSecs + secs) * 1000 + usecs / 1000,
                                              Qt::UTC);
    }
    case PLIST_DATA: {
        char *raw = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &raw, &length);
        MallocPtr bytes(raw);
        return QByteArray(bytes.get(), qsizetype(length));
    }
    default:
        return {};
    }
}

} // namespace

std::optional<QVariantMap> parsePropertyListDictionary(const QByteArray &data, QString *error)
{
    QString reason;
    auto fail = [&](const QString &why) -> std::optional<QVariantMap> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (data.isEmpty())
        return fail(QStringLiteral("empty"));
    if (data.size() > kMaxPropertyListBytes)
        return fail(QStringLiteral("longer than %1 bytes").arg(kMaxPropertyListBytes));
    const auto length = uint32_t(data.size());
    const bool binary = plist_is_binary(data.constData(), length) != 0;
    // The XML root <plist> element wraps the root object, hence one extra level.
    const bool bounded =
        binary ? binaryListSound(data, kMaxPropertyListDepth, kMaxPropertyListNodes, &reason)
               : xmlNestingWithin(data, kMaxPropertyListDepth + 1, &reason);
    if (!bounded)
        return fail(reason);
    // libplist aborts on a key or string with a NUL character in it; XML has none.
    if (!binary && data.contains('\0'))
        return fail(QStringLiteral("NUL character in XML"));

    plist_t raw = nullptr;
    const CNumbersInThisThread cNumbers;
    if (binary)
        plist_from_bin(data.constData(), length, &raw);
    else
        plist_from_xml(data.constData(), length, &raw);
    const PlistPtr root(raw);
    if (!root)
        return fail(binary ? QStringLiteral("malformed binary property list")
                           : QStringLiteral("malformed XML property list"));
    if (plist_get_node_type(raw) != PLIST_DICT)
        return fail(QStringLiteral("the root is not a dictionary"));
    return dictToMap(raw, 1);
}

std::optional<QVariantMap> readPropertyListDictionary(const QString &path, QString *message)
{
    auto fail = [&](const QString &why) -> std::optional<QVariantMap> {
        *message = QStringLiteral("Cannot read property list %1: %2").arg(path, why);
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("no such file"));
    // Opening a FIFO or device could block or never end.
    if (!info.isFile())
        return fail(QStringLiteral("not a regular file"));
    if (info.size() > kMaxPropertyListBytes)
        return fail(QStringLiteral("longer than %1 bytes").arg(kMaxPropertyListBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // The file may have grown since it was measured: read one byte more than allowed.
    const QByteArray data = file.read(kMaxPropertyListBytes + 1);
    QString error;
    auto dictionary = parsePropertyListDictionary(data, &error);
    if (!dictionary)
        return fail(error);
    return dictionary;
}
