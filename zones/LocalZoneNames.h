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
};

/// Zone id -> its local names.
using LocalZoneNames = QHash<QString, LocalZoneName>;

/// The local names of \a zones in the language of \a locale, through ICU. Empty
/// under English and C, whose names the ids and the tz tables already give.
LocalZoneNames localZoneNames(const QStringList &zones, const QLocale &locale = QLocale());
