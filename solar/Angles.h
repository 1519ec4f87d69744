#pragma once

// Angle units shared by the solar routines, the night overlay and the texts
// under the map, written once so that every part converts with the same doubles.

namespace solar {

inline constexpr double kDegToRad = 0.017453292519943295;
inline constexpr double kRadToDeg = 57.29577951308232;

/// U+00B0 in UTF-8.
inline constexpr char kDegreeSign[] = "\xC2\xB0";

} // namespace solar
