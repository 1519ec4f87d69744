#pragma once

#include <QStringList>
#include <QVariant>

/// A list of zone names as the preferences file holds it under \a key: one
/// text, or a list of texts. Anything else, more than \a maxCount entries, or
/// entries that are not text are dropped with one warning; the first
/// \a maxCount texts that read back are kept. Names are not checked here.
QStringList storedZoneList(const QVariant &value, const QString &key, int maxCount);
