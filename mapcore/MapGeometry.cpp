#include "mapcore/MapGeometry.h"

#include <cmath>
#include <limits>

namespace {

// Truncation toward zero; a size that is not a number or beyond the integer
// range saturates instead of being undefined.
int32_t truncatedPixels(float size)
{
    if (std::isnan(size))
        return 0;
    if (size >= 2147483648.0f)
        return std::numeric_limits<int32_t>::max();
    if (size <= -2147483648.0f)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(size);
}

} // namespace

MapGeometry geometryFromSize(float width, float height)
{
    MapGeometry geometry;
    geometry.mapWidth = truncatedPixels(width);
    geometry.mapHeight = truncatedPixels(height);
    geometry.pixelsPerDegree = width / 360.0f;
    geometry.equatorialOffset = 0.5f * height;
    geometry.meridianOffset = 0.5f * width;
    return geometry;
}

float latitudeToY(float latitudeDeg, const MapGeometry &geometry)
{
    return latitudeDeg * geometry.pixelsPerDegree + geometry.equatorialOffset;
}

float longitudeToX(float longitudeDeg, const MapGeometry &geometry)
{
    return longitudeDeg * geometry.pixelsPerDegree + geometry.meridianOffset;
}

float yToLatitude(float y, const MapGeometry &geometry)
{
    return (y - geometry.equatorialOffset) / geometry.pixelsPerDegree;
}

float xToLongitude(float x, const MapGeometry &geometry)
{
    return (x - geometry.meridianOffset) / geometry.pixelsPerDegree;
}
