// Feeds arbitrary bytes to the property-list reader, then builds the zone table
// from whatever dictionary it accepts, as the program does with its resource.
#include "app/platform/PropertyList.h"
#include "tests/fuzz/FuzzSupport.h"
#include "zones/TimeZoneTable.h"

#include <cstddef>
#include <cstdint>

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
    // Exactly one of a dictionary and a reason.
    FUZZ_CHECK(dictionary.has_value() == error.isEmpty());
    if (!dictionary)
        return 0;

    const TimeZoneTable table(*dictionary);
    FUZZ_CHECK(table.count() == dictionary->size());
    const QStringList names = table.sortedNames();
    FUZZ_CHECK(names.size() == table.count());
    for (qsizetype i = 1; i < names.size(); ++i)
        FUZZ_CHECK(names.at(i - 1).compare(names.at(i), Qt::CaseInsensitive) <= 0);
    for (const QString &name : names) {
        FUZZ_CHECK(table.contains(name));
        const ZonePlace place = table.placeOf(name);
        // Any float is a possible answer; reading it must not trap.
        volatile float sink = place.latitude + place.longitude;
        (void)sink;
    }
    return 0;
}
