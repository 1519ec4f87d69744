#pragma once

#include "mapcore/MapGeometry.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

class Resources;

/// The day image and the night samples that a redraw paints, chosen by the view's
/// bounds width and prepared at the map's pixel size.
///
/// Decoded images are cached: they are resources, not results, so nothing about a
/// redraw is carried over by keeping them. An image that is missing or cannot be
/// decoded is reported once and replaced by a plain stand-in so that the map is
/// still drawn; an image of the wrong size is scaled to the map size.
class MapImages
{
public:
    explicit MapImages(const Resources &resources);

    /// Replaces the built-in images (both presets) with the user's own; a null
    /// image restores the built-in one.
    void setCustomDayImage(const QImage &image);
    void setCustomNightImage(const QImage &image);

    /// Resource names of the pair that serves a view of this bounds width:
    /// "EarthMap720"/"NightMap720" below 721.0, the 1440 pair from 721.0 on.
    static QString dayImageName(float boundsWidth);
    static QString nightImageName(float boundsWidth);

    /// The day image for the bounds width, mapWidth x mapHeight, opaque (a
    /// format without alpha, so that painting it is a copy).
    const QImage &dayImage(float boundsWidth, const MapGeometry &geometry);

    /// The night image's samples for the bounds width: exactly
    /// 3 x mapWidth x mapHeight bytes, red, green, blue, top row first.
    std::span<const uint8_t> nightSamples(float boundsWidth, const MapGeometry &geometry);

private:
    struct Prepared
    {
        QString name;
        int width = 0;
        int height = 0;
        QImage day;
        std::vector<uint8_t> night;
    };
    QImage loadSource(const QString &name, bool night);
    /// The named image at the map's size in the given format, or a plain
    /// stand-in when it cannot be had.
    QImage prepare(const QString &name, bool night, int width, int height, QImage::Format format);
    static QImage fitted(const QImage &image, int width, int height, QImage::Format format);

    const Resources &m_resources;
    QImage m_customDay;
    QImage m_customNight;
    Prepared m_day;
    Prepared m_night;
};
