#pragma once

// The layer of eclipses: the Moon's shadow on the Earth at the instant, the
// path of a solar eclipse near it, and where a lunar eclipse near it is seen.

#include "eclipses/Eclipses.h"
#include "mapcore/MapFrame.h"
#include "render/PixelLayer.h"

#include <memory>
#include <vector>

class LayerPlan;
class QPainter;
struct TextStyle;

/// How far from an eclipse's greatest the map shows its path or, for a lunar
/// one, where it is seen: the same day as the Home and Target row says.
inline constexpr double kEclipseShownSeconds = 86400.0;

/// The penumbra shaded by the eclipse's magnitude, with lines at 20, 40, 60
/// and 80 %, and the umbra or antumbra filled dark and outlined, where the Sun
/// is up; none while the Moon's shadow misses the Earth. kmPerPixel sets the
/// lines' width.
std::unique_ptr<PixelLayer> solarShadowLayer(double unixSeconds, double kmPerPixel);

/// Where a lunar eclipse is seen: lighter where the Moon is up at every
/// contact of totality (U2 and U3), fainter where it is up at some other
/// contact, and the line where the Moon rises or sets at each contact.
std::unique_ptr<PixelLayer> lunarVisibilityLayer(const eclipses::Eclipse &eclipse,
                                                 double kmPerPixel);

/// The solar shadow and, while a lunar eclipse is within a day, where it is
/// seen, for a frame at its size in device pixels.
void addEclipsePixelLayers(std::vector<std::unique_ptr<PixelLayer>> &layers, double unixSeconds,
                           const MapFrame &devicePixels);

/// Over the Moon's symbol while a lunar eclipse holds it in the umbra: the
/// shadow's dark copper, deepening from U1 to U2 and fading from U3 to U4.
void drawMoonInUmbra(QPainter &painter, const MapFrame &frame, const GeoPoint &sublunar,
                     double unixSeconds);

/// A solar eclipse's central line with its times every ten minutes in UT, the
/// limits of totality or annularity, and the penumbra's limits.
void planEclipsePath(LayerPlan &plan, const MapFrame &frame, const eclipses::Eclipse &eclipse,
                     const TextStyle &style);
