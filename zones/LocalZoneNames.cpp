#include "zones/LocalZoneNames.h"

#include <QMutex>

#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>

#include <memory>
#include <string_view>
#include <vector>

namespace {

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

icu::UnicodeString toIcu(const QString &text)
{
    return icu::UnicodeString(reinterpret_cast<const char16_t *>(text.utf16()),
                              int32_t(text.size()));
}

} // namespace

LocalZoneNames localZoneNames(const QStringList &zones, const QLocale &locale,
                              const QStringList &otherLanguages)
{
    LocalZoneNames names;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return names;
    const icu::Locale language(locale.name().toLatin1().constData());
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::TimeZoneNames> zoneNames(
        icu::TimeZoneNames::createInstance(language, status));
    std::vector<std::unique_ptr<icu::TimeZoneNames>> others;
    for (const QString &other : otherLanguages) {
        UErrorCode otherStatus = U_ZERO_ERROR;
        others.emplace_back(icu::TimeZoneNames::createInstance(
            icu::Locale(other.toLatin1().constData()), otherStatus));
        if (U_FAILURE(otherStatus))
            others.pop_back();
    }
    if (U_FAILURE(status))
        return names;
    for (const QString &zone : zones) {
        // CLDR keys its names by the canonical id: Asia/Calcutta, not Asia/Kolkata.
        icu::UnicodeString canonical;
        status = U_ZERO_ERROR;
        icu::TimeZone::getCanonicalID(toIcu(zone), canonical, status);
        if (U_FAILURE(status))
            continue;
        LocalZoneName name;
        icu::UnicodeString city;
        name.city = fromIcu(zoneNames->getExemplarLocationName(canonical, city));
        for (const auto &other : others) {
            const QString otherCity = fromIcu(other->getExemplarLocationName(canonical, city));
            if (!otherCity.isEmpty() && otherCity != name.city &&
                !name.otherCities.contains(otherCity))
                name.otherCities.append(otherCity);
        }
        char region[8] = {};
        status = U_ZERO_ERROR;
        icu::TimeZone::getRegion(canonical, region, sizeof region, status);
        if (U_SUCCESS(status) && region[0] && std::string_view(region) != "001") {
            icu::UnicodeString country;
            name.country = fromIcu(icu::Locale("", region).getDisplayCountry(language, country));
        }
        if (!name.city.isEmpty() || !name.country.isEmpty() || !name.otherCities.isEmpty())
            names.insert(zone, name);
    }
    return names;
}

QString cityOfZoneId(const QString &zone)
{
    return zone.section(QLatin1Char('/'), -1).replace(QLatin1Char('_'), QLatin1Char(' '));
}

QString localCityName(const QString &zone, const QLocale &locale)
{
    // Asked for each pin of each frame, from a time-lapse's threads too.
    static QMutex mutex;
    static QHash<QString, QString> known;
    const QString key = locale.name() + QLatin1Char(' ') + zone;
    const QMutexLocker lock(&mutex);
    const auto found = known.constFind(key);
    if (found != known.cend())
        return *found;
    return *known.insert(key, localZoneNames({zone}, locale).value(zone).city);
}

QString countryName(const QString &code, const QLocale &locale)
{
    icu::UnicodeString name;
    icu::Locale("", code.toLatin1().constData())
        .getDisplayCountry(icu::Locale(locale.name().toLatin1().constData()), name);
    const QString text = fromIcu(name);
    return text.isEmpty() ? code : text;
}
