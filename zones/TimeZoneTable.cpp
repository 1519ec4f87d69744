#include "zones/TimeZoneTable.h"

#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "zones/TimeZones.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// A coordinate part as a float: a finite number, or a string holding one.
std::optional<float> coordinatePart(const QVariant &value)
{
    double number = 0.0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        number = value.toDouble();
        break;
    case QMetaType::QString: {
        bool ok = false;
        number = value.toString().trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
        break;
    }
    default:
        return std::nullopt;
    }
    const auto single = float(number);
    if (!std::isfinite(single))
        return std::nullopt;
    return single;
}

// Plain decimal notation ("-0.0005", not "-5e-04"), as few digits as read back exactly.
QString shortestText(float value)
{
    // The longest fixed form of a float, the smallest subnormal, needs 48 characters.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    if (result.ec != std::errc())
        return QString::number(double(value));
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

} // namespace

TimeZoneTable::TimeZoneTable(const QVariantMap &entries)
{
    m_zones.reserve(size_t(entries.size()));
    for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry) {
        const QVariantList parts = entry->toList();
        const std::optional<float> latitude =
            parts.size() > 0 ? coordinatePart(parts[0]) : std::nullopt;
        const std::optional<float> longitude =
            parts.size() > 1 ? coordinatePart(parts[1]) : std::nullopt;
        if (!latitude || !longitude) {
            logWarning(QStringLiteral("Time zone table entry %1 has no usable latitude and "
                                      "longitude; using 0 for the missing parts")
                           .arg(entry.key()));
        }
        m_zones.push_back({entry.key(), {latitude.value_or(0.0f), longitude.value_or(0.0f)}});
    }
}

const TimeZoneTable::Valid &TimeZoneTable::valid() const
{
    std::call_once(m_valid->once, [this] {
        for (const Zone &zone : m_zones) {
            if (isKnownTimeZone(zone.id))
                m_valid->zones.push_back(zone);
        }
        std::stable_sort(m_valid->zones.begin(), m_valid->zones.end(),
                         [](const Zone &a, const Zone &b) {
                             return QString::compare(a.id, b.id, Qt::CaseInsensitive) < 0;
                         });
        m_valid->names.reserve(qsizetype(m_valid->zones.size()));
        for (const Zone &zone : m_valid->zones)
            m_valid->names.append(zone.id);
    });
    return *m_valid;
}

TimeZoneTable TimeZoneTable::load(const Resources &resources)
{
    const QString path =
        resources.pathForResource(QStringLiteral("TimeZones"), QStringLiteral("plist"));
    if (path.isEmpty()) {
        logWarningOnce(
            QStringLiteral("No time zone table TimeZones.plist in %1").arg(resources.root()));
        return {};
    }
    // A table embedded in the program cannot change while it runs: it is read
    // once. One on disk is read again on every load, so edits to it show.
    static QHash<QString, TimeZoneTable> embedded;
    const bool isEmbedded = path.startsWith(QLatin1Char(':'));
    if (isEmbedded) {
        const auto cached = embedded.constFind(path);
        if (cached != embedded.cend())
            return *cached;
    }
    QString error;
    const auto entries = readPropertyListDictionary(path, &error);
    if (!entries) {
        logWarningOnce(error);
        return {};
    }
    TimeZoneTable table(*entries);
    if (isEmbedded)
        embedded.insert(path, table);
    return table;
}

namespace {
/// The zone of an id in zones kept in the dictionary's order, QString's operator<.
const Zone *zoneOf(const std::vector<Zone> &zones, const QString &id)
{
    const auto zone =
        std::lower_bound(zones.begin(), zones.end(), id,
                         [](const Zone &z, const QString &key) { return z.id < key; });
    return zone != zones.end() && zone->id == id ? &*zone : nullptr;
}
} // namespace

GeoPoint TimeZoneTable::placeOf(const QString &id) const
{
    const Zone *zone = zoneOf(m_zones, id);
    return zone ? zone->place : GeoPoint{};
}

bool TimeZoneTable::offers(const QString &id) const
{
    return zoneOf(m_zones, id) && isKnownTimeZone(id);
}

QString zoneListing(const TimeZoneTable &table, const QStringList &zones)
{
    QString listing;
    for (const QString &name : zones) {
        // The places are floats' values: the float prints as it was read.
        const GeoPoint place = table.placeOf(name);
        listing += name + QLatin1Char('\t') + shortestText(float(place.latitude)) +
                   QLatin1Char('\t') + shortestText(float(place.longitude)) + QLatin1Char('\n');
    }
    return listing;
}
