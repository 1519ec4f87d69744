#pragma once

// The equirectangular mapping between degrees and view pixels. View pixels
// have their origin at the bottom-left corner of the map, x eastward, y northward.

#include <cstdint>

/// Size of the map in pixels and its scale and offsets in view pixels.
struct MapGeometry
{
    int32_t mapWidth = 0;
    int32_t mapHeight = 0;
    float pixelsPerDegree = 0.0f;
    float equatorialOffset = 0.0f; ///< y of the equator
    float meridianOffset = 0.0f;   ///< x of the prime meridian
    bool operator==(const MapGeometry &) const = default;
};

/// Geometry for a view of width x height points: the size truncated to whole
/// pixels, the scale and offsets from the unrounded size.
MapGeometry geometryFromSize(float width, float height);

inline constexpr MapGeometry kSmallPreset{720, 360, 2.0f, 180.0f, 360.0f};
inline constexpr MapGeometry kLargePreset{1440, 720, 4.0f, 360.0f, 720.0f};
/// View y (pixels) of a latitude in degrees.
float latitudeToY(float latitudeDeg, const MapGeometry &geometry);
/// View x (pixels) of a longitude in degrees.
float longitudeToX(float longitudeDeg, const MapGeometry &geometry);
/// Latitude in degrees of a view y (pixels).
float yToLatitude(float y, const MapGeometry &geometry);
/// Longitude in degrees of a view x (pixels).
float xToLongitude(float x, const MapGeometry &geometry);
