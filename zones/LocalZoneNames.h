#pragma once

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

/// A zone's city and country in one language, as CLDR names them: "Tokio",
/// "Japan" in German, "東京", "日本" in Japanese.
struct LocalZoneName
{
    QString city;
    QString country;
    /// The city in other languages: "Київ" and "Kiew" find Europe/Kyiv under Russian.
    QStringList otherCities;
};

/// Zone id -> its local names.
using LocalZoneNames = QHash<QString, LocalZoneName>;

/// The local names of \a zones in the language of \a locale, through ICU, with
/// the cities' names in \a otherLanguages ("de", "pt_BR") beside them. Empty
/// under English and C, whose names the ids and the tz tables already give.
LocalZoneNames localZoneNames(const QStringList &zones, const QLocale &locale = QLocale(),
                              const QStringList &otherLanguages = {});

/// The city a zone id names: its last part, with spaces for underscores.
QString cityOfZoneId(const QString &zone);

/// A zone's city in the language of \a locale, as the world clocks and the
/// map name it: "Tokio" in German; empty where CLDR has no name of its own
/// for it, and under English and C. Kept once looked up; safe from any thread.
QString localCityName(const QString &zone, const QLocale &locale = QLocale());

/// A country's name from its ISO code ("FR") in the language of \a locale:
/// "France", "Frankreich"; the code itself when ICU knows no name.
QString countryName(const QString &code, const QLocale &locale = QLocale());
