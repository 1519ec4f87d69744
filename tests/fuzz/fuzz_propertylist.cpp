// Arbitrary bytes to the property-list reader; a dictionary accepted makes a zone table.
#include "platform/PropertyList.h"
#include "tests/fuzz/FuzzSupport.h"
#include "zones/TimeZoneTable.h"

#include <charconv>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > size_t(kMaxPropertyListBytes))
        return -1;
    QString error;
    const auto dictionary = parsePropertyListDictionary(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &error);
    FUZZ_CHECK(dictionary.has_value() == error.isEmpty());
    if (!dictionary)
        return 0;
    const TimeZoneTable table(*dictionary);
    FUZZ_CHECK(table.zones().size() == size_t(dictionary->size()));
    for (const Zone &zone : table.zones())
        FUZZ_CHECK(std::isfinite(zone.place.latitude) && std::isfinite(zone.place.longitude));
    const QStringList names = table.validSortedNames();
    for (qsizetype i = 1; i < names.size(); ++i)
        FUZZ_CHECK(names.at(i - 1).compare(names.at(i), Qt::CaseInsensitive) <= 0);
    // --list-zones: one line per valid zone, whose coordinates read back exactly.
    for (const QString &line : zoneListing(table).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        FUZZ_CHECK(fields.size() == 3);
        const GeoPoint place = table.placeOf(fields.at(0));
        for (const int k : {1, 2}) {
            const QByteArray text = fields.at(k).toLatin1();
            float value = 0.0f;
            const auto [end, ec] = std::from_chars(text.begin(), text.end(), value);
            FUZZ_CHECK(ec == std::errc() && end == text.end() &&
                       double(value) == (k == 1 ? place.latitude : place.longitude));
        }
    }
    return 0;
}
