#pragma once

#include <QLocale>
#include <QString>

/// The user-visible text for \a key from the application's strings table, in
/// the user's language where a table for it exists, else in English. A key
/// with no entry in either table is returned unchanged. The user's language is
/// taken once, at the first call.
QString localizedString(const QString &key);

/// As localizedString(key), for the language of \a locale instead of the user's,
/// with the compiled tables read from \a directory (by default the embedded ones).
/// A missing or unreadable English table is reported once; the keys then show.
QString localizedString(const QString &key, const QLocale &locale,
                        const QString &directory = QStringLiteral(":/duskmap/translations"));
