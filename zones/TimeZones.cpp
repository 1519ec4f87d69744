#include "zones/TimeZones.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <utility>

namespace {

// The tz database's own spelling: components of letters, digits, '_', '-' and '+'
// separated by single slashes, none empty or starting with '-'. This also keeps
// names that are file paths ("../../etc/localtime") away from the zone loader.
bool isZoneNameSpelling(const QString &name)
{
    constexpr qsizetype kMaxNameLength = 128;
    if (name.isEmpty() || name.size() > kMaxNameLength)
        return false;
    bool componentStart = true;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u'/') {
            if (componentStart)
                return false;
            componentStart = true;
            continue;
        }
        const bool allowed = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                             (u >= u'0' && u <= u'9') || u == u'_' || u == u'+' || u == u'-';
        if (!allowed || (componentStart && u == u'-'))
            return false;
        componentStart = false;
    }
    return !componentStart;
}

// Whether a compiled zone (a TZif file) of this name is in the tz database. Qt alone
// cannot tell: it takes any unknown name ("Nowhere", "Foo") as a POSIX TZ rule of
// offset 0 and calls that zone valid.
bool isInZoneDatabase(const QString &name)
{
    QStringList directories;
    const QString tzDir = qEnvironmentVariable("TZDIR");
    if (!tzDir.isEmpty())
        directories.append(tzDir);
    directories << QStringLiteral("/usr/share/zoneinfo") << QStringLiteral("/usr/lib/zoneinfo")
                << QStringLiteral("/usr/share/lib/zoneinfo");
    for (const QString &directory : std::as_const(directories)) {
        QFile file(directory + QLatin1Char('/') + name);
        if (QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly))
            return file.read(4) == "TZif";
    }
    return false;
}

} // namespace

bool isKnownTimeZone(const QString &name)
{
    if (!isZoneNameSpelling(name))
        return false;
    // Qt knows UTC without any database.
    if (name == QLatin1String("UTC"))
        return true;
    return isInZoneDatabase(name) && QTimeZone(name.toUtf8()).isValid();
}

QString systemTimeZoneName()
{
    const QString name = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    return isKnownTimeZone(name) ? name : QStringLiteral("UTC");
}

QtZoneCalendar::QtZoneCalendar(QTimeZone zone)
    : m_zone(zone.isValid() ? std::move(zone) : QTimeZone::utc())
{}

LocalFields QtZoneCalendar::fieldsAt(int64_t utcSeconds) const
{
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(utcSeconds, m_zone);
    LocalFields fields;
    if (!moment.isValid())
        return fields;
    const QDate date = moment.date();
    const QTime time = moment.time();
    fields.year = date.year();
    fields.month = date.month();
    fields.day = date.day();
    fields.hour = time.hour();
    fields.minute = time.minute();
    fields.second = time.second();
    fields.weekday = date.dayOfWeek();
    fields.offsetSeconds = m_zone.offsetFromUtc(moment);
    fields.abbreviation = m_zone.abbreviation(moment).toStdString();
    return fields;
}
