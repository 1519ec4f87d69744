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

TimeZoneTable::TimeZoneTable(QVariantMap entries) : m_entries(std::move(entries)) {}

TimeZoneTable TimeZoneTable::load(const Resources &resources)
{
    const QString path =
        resources.pathForResource(QStringLiteral("TimeZones"), QStringLiteral("plist"));
    // The table is read afresh for every use; a fault in it is reported once.
    if (path.isEmpty()) {
        logWarningOnce(
            QStringLiteral("No time zone table TimeZones.plist in %1").arg(resources.root()));
        return {};
    }
    // A table embedded in the program cannot change while it runs: it is read
    // once. One on disk is read again on every use, so edits to it show.
    static QHash<QString, QVariantMap> embedded;
    const bool isEmbedded = path.startsWith(QLatin1Char(':'));
    if (isEmbedded) {
        const auto cached = embedded.constFind(path);
        if (cached != embedded.cend())
            return TimeZoneTable(*cached);
    }
    QString error;
    auto entries = readPropertyListDictionary(path, &error);
    if (!entries) {
        logWarningOnce(error);
        return {};
    }
    if (isEmbedded)
        embedded.insert(path, *entries);
    return TimeZoneTable(std::move(*entries));
}

QStringList TimeZoneTable::sortedNames() const
{
    QStringList names = m_entries.keys();
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QStringList TimeZoneTable::unsortedNames() const
{
    return m_entries.keys();
}

QStringList TimeZoneTable::validSortedNames() const
{
    QStringList names = sortedNames();
    names.removeIf([](const QString &name) { return !isValidZone(name); });
    return names;
}

ZonePlace TimeZoneTable::placeOf(const QString &name) const
{
    const auto entry = m_entries.constFind(name);
    if (entry == m_entries.cend())
        return {};
    const QVariantList parts = entry->toList();
    const std::optional<float> latitude =
        parts.size() > 0 ? coordinatePart(parts[0]) : std::nullopt;
    const std::optional<float> longitude =
        parts.size() > 1 ? coordinatePart(parts[1]) : std::nullopt;
    // Entries are looked up afresh on every use; each faulty one is reported once.
    if (!latitude || !longitude) {
        logWarningOnce(QStringLiteral("Time zone table entry %1 has no usable latitude and "
                                      "longitude; using 0 for the missing parts")
                           .arg(name));
    }
    return {latitude.value_or(0.0f), longitude.value_or(0.0f)};
}

bool TimeZoneTable::isValidZone(const QString &name)
{
    return isKnownTimeZone(name);
}

QString zoneListing(const TimeZoneTable &table)
{
    QString listing;
    for (const QString &name : table.validSortedNames()) {
        const ZonePlace place = table.placeOf(name);
        listing += name + QLatin1Char('\t') + shortestText(place.latitude) + QLatin1Char('\t') +
                   shortestText(place.longitude) + QLatin1Char('\n');
    }
    return listing;
}
