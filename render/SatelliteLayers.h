#pragma once

// The satellites' layer: each chosen satellite's footprint, drawn pixel by
// pixel, its ground track one orbit behind and one ahead, its symbol and its
// name. Colours tell whether it is sunlit, in the Earth's shadow, or sunlit
// over a home in the dark, where it can be seen by eye.

#include "mapcore/MapFrame.h"
#include "model/Satellites.h"
#include "render/LayerPlan.h"
#include "render/MapPainting.h"
#include "render/PixelLayer.h"
#include "render/SparseLayer.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QStaticText>

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

class LabelPlacer;
class QImage;
class QPainter;

/// How a satellite or a point of its track is drawn.
enum class SatelliteLight : uint8_t
{
    Shadow,  ///< in the Earth's shadow
    Sunlit,  ///< sunlit, but not to be seen from home
    Visible, ///< sunlit, above the mask at home, and the Sun below civil twilight there
    Stale,   ///< elements older than kStaleElementDays: where it is, is uncertain
};

QColor satelliteColour(SatelliteLight light);
SatelliteLight lightOf(const SatelliteNow &now);

/// The footprints: each satellite's cap at the elevation mask, a pixel inside
/// it when its place is within the cap's angle of the point below the
/// satellite. Tested on the pixels' unit vectors, so the cap wraps across the
/// poles and ±180° in every view.
class FootprintLayer : public PixelLayer
{
public:
    explicit FootprintLayer(std::span<const SatelliteNow> satellites);
    bool empty() const { return m_caps.empty(); }
    void drawRow(const PixelRow &places, uint32_t *pixels) const override;
    void addKey(PixelLayerKey &key) const override;

private:
    struct Cap
    {
        float x, y, z;
        float cosRadius, sinRadius, radius;
        /// The cap's extent in z, for passing over the rows it does not reach.
        float zLow, zHigh;
        uint32_t colour; ///< premultiplied
    };
    std::vector<Cap> m_caps;
};

/// The ground tracks, one orbit behind each satellite and one ahead,
/// sampled at whole multiples of a step so that as the shown instant moves
/// only the new points are worked out.
class SatelliteTracks
{
public:
    struct Point
    {
        double unixSeconds;
        GeoPoint place;
        SatelliteLight light;
    };
    /// Each satellite's track about an instant; a home in the dark makes the
    /// points where it can be seen Visible.
    void update(std::span<const SatelliteNow> satellites, double unixSeconds,
                const std::optional<GeoPoint> &home, double homeElevationMetres, double maskDeg);
    /// The track of a satellite given to the last update, in time order.
    const std::vector<Point> &track(int catalogNumber) const;
    /// Changes whenever a track does.
    uint64_t revision() const { return m_revision; }

private:
    struct Kept
    {
        double epochUnixSeconds = 0.0;
        int64_t first = 0; ///< the step number of points[0]
        std::vector<Point> points;
        bool used = false;
    };
    Point pointAt(const ShownSatellite &satellite, int64_t step, double stepSeconds, bool stale);
    GeoPoint subsolarAt(double unixSeconds);

    std::map<int, Kept> m_tracks;
    /// The point under the Sun every few minutes, interpolated between.
    std::map<int64_t, GeoPoint> m_sun;
    std::optional<GeoPoint> m_home;
    double m_homeElevation = 0.0;
    double m_mask = 0.0;
    std::optional<orbits::Observer> m_observer;
    uint64_t m_revision = 0;
};

/// The tracks about an instant, the part behind fainter, and each
/// footprint's rim, with the fast lines into an image of scale device pixels
/// a point; cut to the frame again only when the frame, the instant, the
/// satellites or their tracks have changed.
class SatelliteTrackLines
{
public:
    void draw(QImage &image, const MapFrame &frame, double scale,
              std::span<const SatelliteNow> satellites, const SatelliteTracks &tracks,
              double unixSeconds);

private:
    void cut(const MapFrame &frame, std::span<const SatelliteNow> satellites,
             const SatelliteTracks &tracks, double unixSeconds);
    void drawLines(QImage &image, double scale) const;

    struct Line
    {
        FrameLine piece;
        QRgb colour;
    };

    MapFrame m_frame;
    double m_unixSeconds = 0.0;
    uint64_t m_revision = 0;
    std::vector<double> m_shown; ///< what each satellite's lines are drawn from
    std::vector<Line> m_lines;
    SparseLayer m_kept;
};

/// Each satellite's symbol, and its name where the placer finds room. Kept
/// as the pixels they cover while the frame, the satellites' places and
/// lights, and their names' boxes stay, as the window draws one instant
/// again for many reasons.
class SatelliteSymbols
{
public:
    /// Draws with a painter on the image, scale device pixels a point.
    void draw(QImage &image, QPainter &painter, const MapFrame &frame, double scale,
              std::span<const SatelliteNow> satellites, const TextStyle &style,
              LabelPlacer &placer);

private:
    struct Symbol
    {
        QPointF centre;
        SatelliteLight light;
        QString name;
        std::optional<QRectF> box; ///< the name's, where it found room
        bool operator==(const Symbol &) const = default;
    };
    /// A name laid out once while the font stays: shaping a text costs more
    /// than drawing the symbol.
    const QStaticText &laidOut(const QString &name);
    void paint(QPainter &painter, std::span<const Symbol> symbols, double radius);

    MapFrame m_frame;
    std::vector<Symbol> m_symbols;
    std::optional<LayerPlan> m_kept;
    QFont m_font;
    std::map<QString, QStaticText> m_texts;
};
