#include "render/EclipseLayers.h"

#include "eclipses/EclipsePath.h"
#include "eclipses/Shadow.h"
#include "render/LayerPlan.h"
#include "render/MapLayers.h"
#include "render/MapPainting.h"
#include "render/RasterBlend.h"
#include "render/SkyLayers.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

using eclipses::Vector;

constexpr double kEarthRadiusKm = 6371.0;
// Past this a line's pixels fade out; under it they are whole.
constexpr double kLineHalfWidthPixels = 0.55;
constexpr double kLineFadePixels = 0.6;
// Where the Sun is low the circles about the axis spread far along the
// ground; a floor keeps their lines from swelling without bound.
constexpr double kLeastSlope = 0.05;

uint32_t premultiplied(uint32_t r, uint32_t g, uint32_t b, uint32_t a)
{
    return (a << 24) | ((r * a / 255) << 16) | ((g * a / 255) << 8) | (b * a / 255);
}

/// How much of a pixel a line covers, from its distance in pixels.
uint32_t lineCoverage(double distancePixels)
{
    const double c = (kLineHalfWidthPixels + kLineFadePixels - distancePixels) / kLineFadePixels;
    return uint32_t(std::clamp(c, 0.0, 1.0) * 255.0 + 0.5);
}

void blendLine(uint32_t &pixel, uint32_t colour, double distancePixels)
{
    if (const uint32_t coverage = lineCoverage(distancePixels))
        pixel = blendOver(pixel, byteMul(colour, coverage));
}

class SolarShadowLayer final : public PixelLayer
{
    // Lines are drawn a pixel either side of their centre.
    static constexpr double kLineMargin = 2.0;

    /// What the shadow makes of a pixel.
    struct Look
    {
        bool shaded = false;
        bool central = false;
        double alpha = 0.0;     ///< of the penumbra's black
        double toContour = 0.0; ///< pixels to the nearest line of a fifth
        double toOutline = 0.0; ///< pixels to the umbra's edge
        /// In the penumbra with no line nearer than the pixels given.
        bool plain(int32_t pixels) const
        {
            return shaded && !central && toContour > pixels + kLineMargin &&
                   toOutline > pixels + kLineMargin;
        }
    };

public:
    SolarShadowLayer(const eclipses::Shadow &shadow, double unixSeconds, double kmPerPixel)
        : m_shadow(shadow), m_unixSeconds(unixSeconds), m_kmPerPixel(kmPerPixel)
    {}

    void drawRow(const PixelRow &places, uint32_t *pixels) const override
    {
        // Most of a row lies far from the penumbra or in the night: passed
        // over a block at a time, its places taken to bend no further from
        // the first than the last does.
        constexpr int32_t kBlock = 16;
        for (int32_t from = 0; from < places.width; from += kBlock) {
            const int32_t to = std::min(from + kBlock, places.width);
            const int32_t last = to - 1;
            if (places.shows(from) && places.shows(last)) {
                const Vector a{places.x[from], places.y[from], places.z[from]};
                const double dx = places.x[last] - a[0], dy = places.y[last] - a[1],
                             dz = places.z[last] - a[2];
                const double chord = std::sqrt(dx * dx + dy * dy + dz * dz);
                if (m_shadow.shadesNoneWithin(a, 1.1 * chord + 1e-4))
                    continue;
            }
            drawRun(places, pixels, from, to);
        }
    }

private:
    void drawRun(const PixelRow &places, uint32_t *pixels, int32_t from, int32_t to) const
    {
        // The shade of most of the penumbra changes little from pixel to
        // pixel: worked out at the run's ends and drawn between them in
        // steps, or every few pixels where a line, an edge or the umbra lies
        // nearer than the run is long, and at every pixel where one lies
        // nearer than that.
        constexpr int32_t kStep = 4;
        const Look first = look(places, from);
        const int32_t last = to - 1;
        const Look end = last > from ? look(places, last) : first;
        if (last > from && first.plain(last - from) && end.plain(last - from)) {
            drawSteps(pixels, from, last, first, end);
        } else {
            Look next = first;
            for (int32_t c = from; c < last;) {
                const int32_t stop = std::min(c + kStep, last);
                const Look start = next;
                next = stop == last ? end : look(places, stop);
                if (start.plain(kStep) && next.plain(kStep)) {
                    drawSteps(pixels, c, stop, start, next);
                } else {
                    draw(start, pixels[c]);
                    for (int32_t i = c + 1; i < stop; ++i)
                        draw(look(places, i), pixels[i]);
                }
                c = stop;
            }
        }
        draw(end, pixels[last]);
    }

public:
    void addKey(PixelLayerKey &key) const override
    {
        key.numbers.insert(key.numbers.end(), {m_unixSeconds, m_kmPerPixel});
    }

private:
    /// The penumbra's shade from one pixel to just before another.
    static void drawSteps(uint32_t *pixels, int32_t from, int32_t to, const Look &a, const Look &b)
    {
        for (int32_t i = from; i < to; ++i) {
            const double alpha = a.alpha + (b.alpha - a.alpha) * (i - from) / (to - from);
            pixels[i] = blendOver(pixels[i], uint32_t(alpha) << 24);
        }
    }

    Look look(const PixelRow &places, int32_t c) const
    {
        if (!places.shows(c))
            return {};
        const auto cones = m_shadow.pixelCones({places.x[c], places.y[c], places.z[c]});
        if (!cones)
            return {};
        const double umbra = std::abs(cones->l2);
        // Pixels of the ground per km of Delta.
        const double perKm = 1.0 / (m_kmPerPixel * std::max(cones->slope, kLeastSlope));
        // Darker as more of the Sun is covered; the nearest line of a fifth
        // of its diameter.
        const double sum = cones->l1 + cones->l2;
        const double magnitude = (cones->l1 - cones->delta) / sum;
        const double level = std::clamp(std::round(magnitude * 5.0), 1.0, 4.0) / 5.0;
        return {true, cones->delta < umbra, std::clamp(40.0 + 170.0 * magnitude, 0.0, 210.0),
                std::abs(cones->delta - (cones->l1 - level * sum)) * perKm,
                std::abs(cones->delta - umbra) * perKm};
    }

    static void draw(const Look &look, uint32_t &pixel)
    {
        static const uint32_t umbraFill = premultiplied(0, 0, 0, 224);
        static const uint32_t outline = premultiplied(255, 96, 64, 240);
        static const uint32_t contour = premultiplied(255, 232, 160, 190);
        if (!look.shaded)
            return;
        if (look.central) {
            pixel = blendOver(pixel, umbraFill);
        } else {
            pixel = blendOver(pixel, uint32_t(look.alpha) << 24);
            blendLine(pixel, contour, look.toContour);
        }
        blendLine(pixel, outline, look.toOutline);
    }

    eclipses::Shadow m_shadow;
    double m_unixSeconds;
    double m_kmPerPixel;
};

class LunarVisibilityLayer final : public PixelLayer
{
public:
    LunarVisibilityLayer(const eclipses::Eclipse &eclipse, double kmPerPixel)
        : m_radiansPerPixel(kmPerPixel / kEarthRadiusKm)
    {
        for (size_t k = 0; k < m_contacts.size(); ++k) {
            Contact &contact = m_contacts[k];
            const double t = eclipse.contacts[k];
            contact.present = std::isfinite(t);
            if (!contact.present)
                continue;
            const Vector m = eclipses::sunMoonAt(t).moon;
            const double distance = std::hypot(m[0], m[1], m[2]);
            contact.moon = {m[0] / distance, m[1] / distance, m[2] / distance};
            // Up while its upper limb, lifted by refraction, clears the
            // horizon as seen from the surface, a parallax lower.
            const double parallax = std::asin(eclipses::kEarthEquatorialRadiusKm / distance);
            const double semidiameter = std::asin(eclipses::kMoonRadiusKm / distance);
            contact.sinHorizon =
                std::sin(parallax - semidiameter - 34.0 / 60.0 * sphere::kDegToRad);
        }
        m_totality = m_contacts[eclipses::U2].present && m_contacts[eclipses::U3].present;
    }

    void drawRow(const PixelRow &places, uint32_t *pixels) const override
    {
        static const uint32_t wholeTotality = premultiplied(255, 110, 80, 64);
        static const uint32_t someContact = premultiplied(255, 200, 140, 30);
        static const uint32_t umbralLine = premultiplied(255, 130, 100, 200);
        static const uint32_t penumbralLine = premultiplied(255, 210, 160, 140);
        for (int32_t c = 0; c < places.width; ++c) {
            if (!places.shows(c))
                continue;
            const float x = places.x[c], y = places.y[c], z = places.z[c];
            std::array<double, 6> above{};
            bool any = false;
            for (size_t k = 0; k < m_contacts.size(); ++k) {
                const Contact &contact = m_contacts[k];
                if (!contact.present)
                    continue;
                above[k] = x * contact.moon[0] + y * contact.moon[1] + z * contact.moon[2] -
                           contact.sinHorizon;
                any = any || above[k] >= 0.0;
            }
            uint32_t &pixel = pixels[c];
            if (m_totality && above[eclipses::U2] >= 0.0 && above[eclipses::U3] >= 0.0)
                pixel = blendOver(pixel, wholeTotality);
            else if (any)
                pixel = blendOver(pixel, someContact);
            // Each contact's horizon, a small circle: near it the sine
            // changes a radian of ground per radian.
            for (size_t k = 0; k < m_contacts.size(); ++k) {
                if (!m_contacts[k].present)
                    continue;
                const bool umbral = k != eclipses::P1 && k != eclipses::P4;
                blendLine(pixel, umbral ? umbralLine : penumbralLine,
                          std::abs(above[k]) / m_radiansPerPixel);
            }
        }
    }

    void addKey(PixelLayerKey &key) const override
    {
        key.numbers.push_back(m_radiansPerPixel);
        for (const Contact &contact : m_contacts)
            key.numbers.insert(key.numbers.end(),
                               {double(contact.present), contact.moon[0], contact.moon[1],
                                contact.moon[2], contact.sinHorizon});
    }

private:
    struct Contact
    {
        bool present = false;
        Vector moon{};
        double sinHorizon = 0.0;
    };
    std::array<Contact, 6> m_contacts{};
    bool m_totality = false;
    double m_radiansPerPixel;
};

/// The path of the last eclipse asked for, kept while the view changes.
const eclipses::EclipsePath &pathOf(const eclipses::Eclipse &eclipse)
{
    // Some seconds' steps make the limits smooth at the largest sizes.
    constexpr double kStepSeconds = 30.0;
    thread_local double greatest = NAN;
    thread_local eclipses::EclipsePath path;
    if (!(greatest == eclipse.greatest)) {
        path = eclipses::eclipsePath(eclipse, kStepSeconds);
        greatest = eclipse.greatest;
    }
    return path;
}

} // namespace

std::unique_ptr<PixelLayer> solarShadowLayer(double unixSeconds, double kmPerPixel)
{
    const eclipses::Shadow shadow = eclipses::Shadow::forPixels(unixSeconds);
    if (!shadow.fallsOnEarth())
        return nullptr;
    return std::make_unique<SolarShadowLayer>(shadow, unixSeconds, kmPerPixel);
}

std::unique_ptr<PixelLayer> lunarVisibilityLayer(const eclipses::Eclipse &eclipse,
                                                 double kmPerPixel)
{
    if (eclipse.kind != eclipses::Kind::Lunar)
        return nullptr;
    return std::make_unique<LunarVisibilityLayer>(eclipse, kmPerPixel);
}

void addEclipsePixelLayers(std::vector<std::unique_ptr<PixelLayer>> &layers, double unixSeconds,
                           const MapFrame &devicePixels)
{
    const double kmPerPixel = kEarthRadiusKm * sphere::kDegToRad / devicePixels.pixelsPerDegree();
    if (auto shadow = solarShadowLayer(unixSeconds, kmPerPixel))
        layers.push_back(std::move(shadow));
    if (const auto eclipse = eclipses::eclipseWithin(unixSeconds, kEclipseShownSeconds);
        eclipse && eclipse->kind == eclipses::Kind::Lunar)
        layers.push_back(lunarVisibilityLayer(*eclipse, kmPerPixel));
}

void drawMoonInUmbra(QPainter &painter, const MapFrame &frame, const GeoPoint &sublunar,
                     double unixSeconds)
{
    using eclipses::U1, eclipses::U2, eclipses::U3, eclipses::U4;
    const auto eclipse = eclipses::eclipseWithin(unixSeconds, kEclipseShownSeconds);
    if (!eclipse || eclipse->kind != eclipses::Kind::Lunar)
        return;
    const auto &c = eclipse->contacts;
    if (!(unixSeconds > c[U1] && unixSeconds < c[U4]))
        return;
    // Without totality the deepest is at greatest, as deep as the magnitude.
    const double inner = std::isfinite(c[U2]) ? c[U2] : eclipse->greatest;
    const double outer = std::isfinite(c[U3]) ? c[U3] : eclipse->greatest;
    const double depth = std::min(1.0, std::max(0.0, eclipse->magnitude)) *
                         (unixSeconds < inner   ? (unixSeconds - c[U1]) / (inner - c[U1])
                          : unixSeconds > outer ? (c[U4] - unixSeconds) / (c[U4] - outer)
                                                : 1.0);
    const auto at = frame.toFrame(sublunar);
    if (!at || !(depth > 0.0))
        return;
    const double radius = 5.5 * symbolScale(frame);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 36, 20, int(std::min(1.0, depth) * 215.0)));
    painter.drawEllipse(QPointF(at->x, at->y), radius, radius);
    painter.restore();
}

void planEclipsePath(LayerPlan &plan, const MapFrame &frame, const eclipses::Eclipse &eclipse,
                     const TextStyle &style)
{
    constexpr double kLabelStepSeconds = 600.0;
    const eclipses::EclipsePath &path = pathOf(eclipse);
    const auto line = [&](const std::vector<GeoPoint> &places, const QColor &colour, double width) {
        if (places.size() > 1)
            plan.drawLines(frame.cut(places), colour, width);
    };
    line(path.penumbraNorthernLimit, QColor(255, 214, 150, 170), 0.75);
    line(path.penumbraSouthernLimit, QColor(255, 214, 150, 170), 0.75);
    line(path.northernLimit, QColor(255, 96, 64, 220), 0.9);
    line(path.southernLimit, QColor(255, 96, 64, 220), 0.9);
    if (path.centralLine.size() < 2)
        return;
    std::vector<GeoPoint> central;
    for (const eclipses::CentralLinePoint &p : path.centralLine)
        central.push_back(p.place);
    line(central, QColor(255, 96, 64), 1.25);
    // The time the axis reaches the ground, every ten minutes of UT.
    // Labelled where the last label is some lines back, so that they stay apart
    // where the shadow runs fast or the map is small.
    std::vector<QRectF> drawn;
    std::optional<FramePoint> last;
    const ViewCoordinates view(frame.height());
    const double first = std::ceil(path.centralLine.front().time / kLabelStepSeconds);
    for (double mark = first * kLabelStepSeconds; mark <= path.centralLine.back().time;
         mark += kLabelStepSeconds) {
        const auto centre = eclipses::Shadow::at(mark).centralPoint();
        if (!centre)
            continue;
        const auto at = frame.toFrame(eclipses::placeOfSurfacePoint(*centre));
        if (!at)
            continue;
        const QTime time = QDateTime::fromSecsSinceEpoch(qint64(mark), QTimeZone::utc()).time();
        //: A time in UT beside the central line of a solar eclipse's path on the map
        const QString text = QCoreApplication::translate("EclipsePath", "%1 UT")
                                 .arg(QLocale().toString(time, QStringLiteral("HH:mm")));
        const QSizeF size = ViewCoordinates::textSize(text, style.font);
        if (last && std::hypot(at->x - last->x, at->y - last->y) < 3.0 * size.height())
            continue;
        const QRectF box(at->x + 3, at->y - size.height() - 2, size.width() + 2, size.height());
        if (!labelFits(box, frame, drawn))
            continue;
        last = at;
        plan.fillRect(QRectF(at->x - 1.5, at->y - 1.5, 3, 3), QColor(255, 96, 64));
        plan.fillRect(box, labelBoxColour());
        plan.drawText(view, box.x() + 1, frame.height() - box.bottom(), text, style);
    }
}
