// Feeds arbitrary bytes to the property-list reader, then builds the zone table
// from whatever dictionary it accepts, as the program does with its resource.
#include "platform/PropertyList.h"
#include "tests/fuzz/FuzzSupport.h"
#include "zones/TimeZoneTable.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {
// The whole text as a float, correctly rounded; nullopt unless it is all a number.
std::optional<float> readFloat(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    float value = 0.0f;
    const char *end = bytes.constData() + bytes.size();
    const auto result = std::from_chars(bytes.constData(), end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > std::size_t(kMaxPropertyListBytes))
        return -1;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<QVariantMap> dictionary = parsePropertyListDictionary(bytes, &error);
    FUZZ_CHECK(dictionary.has_value() == error.isEmpty());
    if (!dictionary)
        return 0;

    const TimeZoneTable table(*dictionary);
    const QStringList names = table.sortedNames();
    FUZZ_CHECK(names.size() == dictionary->size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        FUZZ_CHECK(i == 0 || names.at(i - 1).compare(names.at(i), Qt::CaseInsensitive) <= 0);
        const ZonePlace place = table.placeOf(names.at(i));
        FUZZ_CHECK(std::isfinite(place.latitude) && std::isfinite(place.longitude));
    }

    // --list-zones: one line per valid zone, whose coordinates read back exactly.
    const QStringList lines = zoneListing(table).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        FUZZ_CHECK(fields.size() == 3);
        const ZonePlace place = table.placeOf(fields.at(0));
        FUZZ_CHECK(readFloat(fields.at(1)) == place.latitude);
        FUZZ_CHECK(readFloat(fields.at(2)) == place.longitude);
    }
    return 0;
}
