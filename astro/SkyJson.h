#pragma once

// The Sun's and the Moon's readouts as JSON members, for --readouts --json.

#include "astro/SkyPositions.h"

#include <QJsonObject>

/// The members "subsolar" and "sublunar" ({latitude, longitude}, degrees) and
/// "moon" ({illuminated_fraction, phase_angle_degrees, phase}).
QJsonObject skyJson(const astro::SkyPositions &sky);
