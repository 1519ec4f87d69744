#pragma once

#include <QDate>

/// The dates, in UTC, that the solar arithmetic computes exactly: every
/// instant the map shows lies within them.
inline const QDate kFirstShownDate{1900, 3, 1};
inline const QDate kLastShownDate{2100, 2, 28};
