#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <optional>

/// Largest property list read, in bytes; anything longer is refused unread.
inline constexpr qint64 kMaxPropertyListBytes = 8 * 1024 * 1024;

/// Deepest nesting of containers accepted (the root dictionary counts as 1).
inline constexpr int kMaxPropertyListDepth = 64;

/// Reads an XML or binary property list whose root is a dictionary from a file or Qt
/// resource path (":/duskmap/TimeZones.plist"). Values: dict -> QVariantMap,
/// array -> QVariantList, string -> QString, real -> double, integer -> qint64,
/// bool -> bool, date -> QDateTime (UTC), data -> QByteArray, uid -> null QVariant.
/// A file that is missing, not a regular file, longer than kMaxPropertyListBytes,
/// malformed, nested deeper than kMaxPropertyListDepth, expanding to more than
/// 2^21 values (a binary list copies every shared object it refers to) or
/// of another root type gives nullopt, and error is set to a message naming the
/// file and the reason.
std::optional<QVariantMap> readPropertyListDictionary(const QString &path, QString *error);

/// Parses property-list bytes as readPropertyListDictionary does; on failure returns nullopt and,
/// if error is given, sets it to the reason.
std::optional<QVariantMap> parsePropertyListDictionary(const QByteArray &data,
                                                       QString *error = nullptr);
