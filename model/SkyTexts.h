#pragma once

// The Sun's and the Moon's readouts: JSON members for --readouts --json, and
// the window's text.

#include "astro/SkyPositions.h"
#include "mapcore/NightOverlay.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

/// An instant as the sky positions take it: UTC calendar fields.
astro::UtcInstant utcInstant(const QDateTime &instant);

/// An instant as the overlay's sun takes it: GMT calendar fields, whole seconds.
UtcFields utcFields(const QDateTime &instant);

/// The members "subsolar" and "sublunar" ({latitude, longitude}, degrees) and
/// "moon" ({illuminated_fraction, phase_angle_degrees, phase}).
QJsonObject skyJson(const astro::SkyPositions &sky);

/// "Moon: Waxing gibbous, 78%" and, on a second line, "Sun overhead: 23.44° N,
/// 12.50° W".
QString skyReadoutText(const astro::SkyPositions &sky);
