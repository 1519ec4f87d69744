#pragma once

#include "mapcore/MapGeometry.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

class Resources;

/// The day image and the night samples that a redraw paints, prepared at the
/// map's pixel size and placed by its geometry: the world is pixelsPerDegree x
/// 360 pixels wide and half as tall, about the equator; rows beyond the poles
/// are black, and a frame flatter than 2:1 crops the polar rows.
///
/// Prepared images are kept until the size changes: they are resources, not
/// results, so nothing about a redraw is carried over by keeping them. An
/// image that is missing or cannot be decoded is reported once and replaced by
/// a plain stand-in so that the map is still drawn.
class MapImages
{
public:
    explicit MapImages(const Resources &resources);

    /// Replaces the built-in images (at every size) with the user's own; a
    /// null image restores the built-in one.
    void setCustomDayImage(const QImage &image);
    void setCustomNightImage(const QImage &image);

    /// Resource names of the built-in pair for a map of this many pixels: the
    /// 720 and 1440 pairs at exactly their own sizes, made when Duskmap was
    /// built; the 2048 pair, scaled on first use, at any other size.
    static QString dayImageName(QSize pixels);
    static QString nightImageName(QSize pixels);

    /// The day image, mapWidth x mapHeight, opaque (a format without alpha).
    const QImage &dayImage(const MapGeometry &geometry);

    /// The night image's samples: exactly 3 x mapWidth x mapHeight bytes,
    /// red, green, blue, top row first.
    std::span<const uint8_t> nightSamples(const MapGeometry &geometry);

    /// The largest image of the world there is, whole and at its own size,
    /// in QImage's RGB32: the user's own, else the built-in 2048 pair; the
    /// views other than the classic map sample it. Kept decoded until release().
    const QImage &worldSource(bool night);
    /// Changes with each new custom image, for those who keep samples of one.
    int sourceGeneration() const { return m_generation; }

    /// Frees the prepared images; the next redraw prepares them again.
    void release();

    /// While kept, the built-in sources that other sizes are scaled from stay
    /// decoded, so that a window being resized scales them again without
    /// decoding them at every size; not kept, they are freed.
    void keepSources(bool keep);

private:
    /// Where the world's rows fall in the map's: top may be negative (cropped).
    struct Placement
    {
        QString name;
        int width = 0;
        int height = 0;
        int worldHeight = 0;
        int top = 0;
        bool operator==(const Placement &) const = default;
    };
    static Placement placementFor(const MapGeometry &geometry, const QString &name);
    /// The world's source image for worldSource(), decoded anew.
    QImage decodeWorldSource(bool night) const;
    /// The named (or custom) image scaled to the world's size in the given
    /// format, or a plain stand-in when it cannot be had.
    QImage world(const Placement &placement, bool night, QImage::Format format);

    const Resources &m_resources;
    struct Source
    {
        QString name;
        QImage image; ///< decoded, while kept
    };
    bool m_keepSources = false;
    Source m_daySource;
    Source m_nightSource;
    QImage m_customDay;
    QImage m_customNight;
    Placement m_dayPlacement;
    QImage m_day;
    Placement m_nightPlacement;
    std::vector<uint8_t> m_night;
    QImage m_worldSources[2];
    int m_generation = 0;
};
