#include "eclipses/EclipsePath.h"
#include "eclipses/Eclipses.h"
#include "eclipses/LocalCircumstances.h"
#include "eclipses/Shadow.h"

#include <QDateTime>
#include <QTest>

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <thread>

using namespace eclipses;

namespace {

double at(const char *iso)
{
    return double(QDateTime::fromString(iso, Qt::ISODate).toSecsSinceEpoch());
}

double jd(double unixSeconds)
{
    return 2440587.5 + unixSeconds / 86400.0;
}

double km(const GeoPoint &a, const GeoPoint &b)
{
    return sphere::distanceAndBearing(a, b).distanceRad * sphere::kMeanRadiusKm;
}

// The library's circumstances at a place for the eclipse after an instant: flags, C1-C4, attr.
struct Oracle
{
    int flags;
    double contacts[4];
    double attr[20];
};

Oracle oracle(const Eclipse &e, const GeoPoint &p, double metres)
{
    double geo[3] = {p.longitude, p.latitude, metres}, tret[10];
    Oracle o{};
    char error[AS_MAXCH];
    o.flags =
        swe_sol_eclipse_when_loc(jd(e.greatest) - 0.5, SEFLG_SWIEPH, geo, tret, o.attr, 0, error);
    for (int i = 0; i < 4; ++i)
        o.contacts[i] = (tret[i + 1] - 2440587.5) * 86400.0;
    if (std::abs(tret[0] - jd(e.greatest)) > 0.5)
        o.flags = 0; // it found a later eclipse: this one is not seen
    return o;
}

enum Figure
{
    GreatestTd,
    PlaceKm,
    Duration,
    Width,
    Umbral,
    TypeOf
};

} // namespace

class TestEclipses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(ephemerisProblem(), EphemerisProblem::None); }

    // NASA's canon (Espenak and Meeus): greatest eclipse in TD, the place, durations, widths.
    void nasa_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<int>("figure");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        const auto row = [](const char *name, const char *from, Figure f, double v, double tol) {
            QTest::newRow(name) << at(from) << int(f) << v << tol;
        };
        row("2024-04-08 greatest", "2024-04-01T00:00:00Z", GreatestTd, at("2024-04-08T18:18:29Z"),
            2);
        row("2024-04-08 place", "2024-04-01T00:00:00Z", PlaceKm, 0.0, 3.0);
        row("2024-04-08 4m28s", "2024-04-01T00:00:00Z", Duration, 268.0, 1.0);
        row("2024-04-08 197.5 km", "2024-04-01T00:00:00Z", Width, 197.5, 2.0);
        row("2026-08-12 greatest", "2026-08-01T00:00:00Z", GreatestTd, at("2026-08-12T17:47:06Z"),
            2);
        row("2026-08-12 2m18s", "2026-08-01T00:00:00Z", Duration, 138.0, 1.0);
        row("2026-08-12 293.9 km", "2026-08-01T00:00:00Z", Width, 293.9, 2.0);
        row("2025-09-07 greatest", "2025-09-01T00:00:00Z", GreatestTd, at("2025-09-07T18:12:58Z"),
            15);
        row("2025-09-07 umbral 1.3619", "2025-09-01T00:00:00Z", Umbral, 1.3619, 0.002);
        row("2025-09-07 82.1 min", "2025-09-01T00:00:00Z", Duration, 82.1 * 60, 0.3 * 60);
        row("2023-04-20 hybrid", "2023-04-01T00:00:00Z", TypeOf, int(Type::Hybrid), 0);
        row("2023-10-14 annular", "2023-10-01T00:00:00Z", TypeOf, int(Type::Annular), 0);
        row("2025-03-29 partial", "2025-03-20T00:00:00Z", TypeOf, int(Type::Partial), 0);
        row("2023-10-28 lunar partial", "2023-10-20T00:00:00Z", TypeOf, int(Type::Partial), 0);
        row("2024-03-25 penumbral", "2024-03-20T00:00:00Z", TypeOf, int(Type::Penumbral), 0);
    }
    void nasa()
    {
        QFETCH(double, from);
        QFETCH(int, figure);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const std::optional<Eclipse> e = nextEclipse(from);
        QVERIFY(e);
        const GeoPoint nasaPlace{25 + 17.4 / 60, -(104 + 8.3 / 60)};
        const double actual = figure == GreatestTd ? e->greatestTd()
                              : figure == PlaceKm  ? km(e->place, nasaPlace)
                              : figure == Duration ? e->durationSeconds
                              : figure == Width    ? e->pathWidthKm
                              : figure == Umbral   ? e->magnitude
                                                   : int(e->type);
        QVERIFY2(std::abs(actual - expected) <= tolerance,
                 qPrintable(QString::number(actual, 'f', 4)));
    }

    // Every eclipse the library's global searches find, within seconds and of the same
    // type, but two annular ones whose magnitude is within 0.001 of 1: with NASA's smaller
    // Moon for the umbra they stay annular all along.
    void sameEclipsesAsTheLibrary()
    {
        const std::vector<Eclipse> &all = allEclipses();
        size_t matched = 0;
        char error[AS_MAXCH];
        double tret[10];
        for (const bool lunar : {false, true}) {
            for (double t = jd(at("1900-01-01T00:00:00Z")), end = jd(at("2101-01-01T00:00:00Z"));;
                 t = tret[0] + 20) {
                const int flags =
                    lunar ? swe_lun_eclipse_when(t, SEFLG_SWIEPH, 0, tret, 0, error)
                          : swe_sol_eclipse_when_glob(t, SEFLG_SWIEPH, 0, tret, 0, error);
                if (flags < 0 || tret[0] >= end)
                    break;
                const double when = (tret[0] - 2440587.5) * 86400.0;
                const auto e = nextEclipse(when - 60.0);
                QVERIFY(e && std::abs(e->greatest - when) < 15.0);
                const Type type = (flags & SE_ECL_HYBRID)    ? Type::Hybrid
                                  : (flags & SE_ECL_TOTAL)   ? Type::Total
                                  : (flags & SE_ECL_ANNULAR) ? Type::Annular
                                  : (flags & SE_ECL_PARTIAL) ? Type::Partial
                                                             : Type::Penumbral;
                QVERIFY2(e->type == type ||
                             (type == Type::Hybrid && std::abs(e->magnitude - 1) < 1e-3),
                         qPrintable(QDateTime::fromSecsSinceEpoch(qint64(when)).toString()));
                ++matched;
            }
        }
        QCOMPARE(matched, all.size());
        QVERIFY(!nextEclipse(at("2101-01-01T00:00:00Z")) &&
                !previousEclipse(at("1900-01-01T00:00:00Z")));
        QCOMPARE(previousEclipse(at("2024-04-09T00:00:00Z"), Kind::Lunar)->type, Type::Penumbral);
    }

    // The eclipse about an instant, which each frame asks for, is the list's
    // nearest: through a month of each kind, and at the ends of the list.
    void eclipseWithinAsTheList_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("total solar and penumbral lunar, 2024") << "2024-03-12T00:00:00Z";
        QTest::newRow("annular, no eclipse near the new Moon before") << "2026-11-25T00:00:00Z";
        QTest::newRow("the list's first year") << "1899-12-01T00:00:00Z";
        QTest::newRow("the list's last year") << "2100-11-25T00:00:00Z";
    }
    void eclipseWithinAsTheList()
    {
        QFETCH(QString, from);
        const auto nearest = [](double t, double seconds) {
            std::optional<Eclipse> best;
            for (const auto &e : {nextEclipse(t), previousEclipse(t)})
                if (e && std::abs(e->greatest - t) <= seconds &&
                    (!best || std::abs(e->greatest - t) < std::abs(best->greatest - t)))
                    best = e;
            return best;
        };
        const double start = at(qPrintable(from));
        for (double t = start; t < start + 40 * 86400.0; t += 3 * 3600.0 + 17) {
            for (const double seconds : {86400.0, 5 * 3600.0}) {
                const auto expected = nearest(t, seconds), found = eclipseWithin(t, seconds);
                QVERIFY2(
                    expected.has_value() == found.has_value() &&
                        (!found || found->greatest == expected->greatest),
                    qPrintable(QDateTime::fromSecsSinceEpoch(qint64(t)).toString(Qt::ISODate)));
            }
        }
    }

    // Places inside the path, outside it, beyond the penumbra, and where the Sun sets before C4.
    void localCircumstances_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<GeoPoint>("place");
        QTest::addColumn<double>("metres");
        QTest::addColumn<int>("seen");
        const auto row = [](const char *n, const char *from, GeoPoint p, double m, Seen s) {
            QTest::newRow(n) << at(from) << p << m << int(s);
        };
        row("Dallas, total", "2024-04-01T00:00:00Z", {32.7767, -96.797}, 0, Seen::Total);
        row("New York, partial", "2024-04-01T00:00:00Z", {40.71, -74.01}, 0, Seen::Partial);
        row("Sydney, night", "2024-04-01T00:00:00Z", {-33.87, 151.21}, 0, Seen::None);
        row("Reykjavik, near the edge", "2026-08-01T00:00:00Z", {64.1466, -21.9426}, 0,
            Seen::Total);
        row("Madrid, just outside", "2026-08-01T00:00:00Z", {40.4168, -3.7038}, 650, Seen::Partial);
        row("Palma, ends after sunset", "2026-08-01T00:00:00Z", {39.5696, 2.6502}, 0, Seen::Total);
        row("Athens, after sunset", "2026-08-01T00:00:00Z", {37.98, 23.73}, 0, Seen::None);
    }
    void localCircumstances()
    {
        QFETCH(double, from);
        QFETCH(GeoPoint, place);
        QFETCH(double, metres);
        QFETCH(int, seen);
        const Eclipse e = *nextEclipse(from);
        const SolarLocalCircumstances local = solarLocalCircumstances(e, place, metres);
        QCOMPARE(int(local.seen), seen);
        const Oracle o = oracle(e, place, metres);
        if (seen == int(Seen::None)) {
            QCOMPARE(o.flags, 0);
            return;
        }
        const int visible[4] = {SE_ECL_1ST_VISIBLE, SE_ECL_2ND_VISIBLE, SE_ECL_3RD_VISIBLE,
                                SE_ECL_4TH_VISIBLE};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(local.sunUpAtContact[size_t(i)], bool(o.flags & visible[i]));
            if (!std::isnan(local.contacts[size_t(i)]))
                QVERIFY(std::abs(local.contacts[size_t(i)] - o.contacts[i]) < 1.0);
        }
        QVERIFY(std::abs(local.magnitude - o.attr[0]) < 0.002);
        QVERIFY(std::abs(local.sunAltitudeDeg - o.attr[5]) < 0.05);
        QVERIFY(seen != int(Seen::Partial) || std::isnan(local.contacts[1]));
    }

    // The magnitude for each pixel against the library's at a grid of places, away from the
    // horizon where the two take the Sun's limb a little differently; and the frame's bound
    // on the penumbra, which must lose none of it, on a finer grid.
    void magnitudeForEachPixel_data()
    {
        QTest::addColumn<double>("instant");
        QTest::addColumn<int>("least");
        QTest::newRow("2024, partly on the Earth") << at("2024-04-08T16:00:00Z") << 20;
        QTest::newRow("2024, greatest") << at("2024-04-08T18:18:00Z") << 200;
        QTest::newRow("2026, greatest") << at("2026-08-12T17:46:00Z") << 100;
        QTest::newRow("2026, sunset") << at("2026-08-12T18:40:00Z") << 50;
        QTest::newRow("the next day, none") << at("2026-08-13T17:46:00Z") << 0;
    }
    void magnitudeForEachPixel()
    {
        QFETCH(double, instant);
        QFETCH(int, least);
        const Shadow shadow = Shadow::forPixels(instant), unbounded = Shadow::at(instant);
        int inside = 0;
        for (double lat = -89.75; lat < 90.0; lat += 0.5) {
            for (double lon = -180.0; lon < 180.0; lon += 0.5) {
                const ShadowSample s = shadow.sample(sphere::unitVector({lat, lon}));
                QCOMPARE(s.magnitude, unbounded.sample(sphere::unitVector({lat, lon})).magnitude);
                if (std::fmod(lat + 88.75, 3.0) != 0.0 || std::fmod(lon, 3.0) != 0.0)
                    continue;
                double geo[3] = {lon, lat, 0.0}, attr[20];
                char error[AS_MAXCH];
                const int flags = swe_sol_eclipse_how(jd(instant), SEFLG_SWIEPH, geo, attr, error);
                const double expected = (flags & SE_ECL_VISIBLE) ? attr[0] : 0.0;
                QVERIFY(std::abs(attr[5]) < 1.5 || std::abs(s.magnitude - expected) < 0.002);
                inside += s.magnitude > 0.0;
            }
        }
        QVERIFY(least ? inside >= least : inside == 0);
    }

    // The limits, each the envelope of the shadow's edge at an instant, against the
    // contacts at a fixed place: 1 km inside sees totality, 1 km outside does not. The
    // library's own flags stray by kilometres this close to a limit; 10 km inside, its
    // totality lasts as long.
    void pathLimits()
    {
        for (const char *from : {"2024-04-01T00:00:00Z", "2026-08-01T00:00:00Z"}) {
            const Eclipse e = *nextEclipse(at(from));
            const EclipsePath path = eclipsePath(e, 120.0);
            QVERIFY(path.centralLine.size() > 20 && path.penumbraSouthernLimit.size() > 20);
            for (const auto *limit : {&path.northernLimit, &path.southernLimit}) {
                for (size_t i = 5; i + 5 < limit->size(); i += 20) {
                    const GeoPoint edge = (*limit)[i];
                    const auto nearest =
                        std::min_element(path.centralLine.begin(), path.centralLine.end(),
                                         [&](const auto &a, const auto &b) {
                                             return km(edge, a.place) < km(edge, b.place);
                                         });
                    const double bearing =
                        sphere::distanceAndBearing(edge, nearest->place).bearingRad;
                    const auto inward = [&](double step) {
                        return sphere::destinationPoint(edge, bearing,
                                                        step / sphere::kMeanRadiusKm);
                    };
                    QVERIFY(solarLocalCircumstances(e, inward(1.0)).centralSeconds > 0.0);
                    QCOMPARE(solarLocalCircumstances(e, inward(-1.0)).centralSeconds, 0.0);
                    const Oracle o = oracle(e, inward(10.0), 0.0);
                    QVERIFY(std::abs(solarLocalCircumstances(e, inward(10.0)).centralSeconds -
                                     (o.contacts[2] - o.contacts[1])) < 2.0);
                }
            }
        }
    }

    // Bad instants, places and steps give nothing: no NaN, no crash, no hang.
    void badInput_data()
    {
        QTest::addColumn<double>("instant");
        QTest::addColumn<GeoPoint>("place");
        QTest::addColumn<double>("step");
        const double nan = std::nan(""), greatest = at("2024-04-08T18:18:00Z");
        QTest::newRow("NaN instant") << nan << GeoPoint{30, -100} << 60.0;
        QTest::newRow("infinite instant") << double(INFINITY) << GeoPoint{30, -100} << 60.0;
        QTest::newRow("NaN place") << greatest << GeoPoint{nan, nan} << 60.0;
        QTest::newRow("step under a second") << greatest << GeoPoint{30, -100} << 1e-12;
        QTest::newRow("NaN step") << greatest << GeoPoint{30, -100} << nan;
    }
    void badInput()
    {
        QFETCH(double, instant);
        QFETCH(GeoPoint, place);
        QFETCH(double, step);
        const bool valid = std::isfinite(instant + place.latitude + place.longitude);
        QCOMPARE(Shadow::forPixels(instant).sample(sphere::unitVector(place)).magnitude > 0.0,
                 valid);
        Eclipse e = *nextEclipse(at("2024-04-01T00:00:00Z"));
        e.greatest = instant;
        QCOMPARE(solarLocalCircumstances(e, place).seen != Seen::None, valid);
        QCOMPARE(eclipsePath(e, step).centralLine.empty(),
                 !(std::isfinite(instant) && step >= 1.0));
        QCOMPARE(nextEclipse(instant) && previousEclipse(instant), std::isfinite(instant));
    }

    // Without its files the library falls back to its analytical theory: a problem to report.
    void missingFiles()
    {
        qputenv("SE_EPHE_PATH", "/nonexistent");
        EphemerisProblem problem{};
        std::thread([&] { problem = ephemerisProblem(); }).join();
        qunsetenv("SE_EPHE_PATH");
        QCOMPARE(problem, EphemerisProblem::FilesMissing);
    }

    // TT - UT as observed (Astronomical Almanac) and at the eclipse of 2024 as NASA took it.
    void deltaT()
    {
        QVERIFY(std::abs(deltaTSeconds(at("1950-01-01T00:00:00Z")) - 29.15) < 0.5);
        QVERIFY(std::abs(deltaTSeconds(at("2000-01-01T00:00:00Z")) - 63.83) < 0.5);
        QVERIFY(std::abs(deltaTSeconds(at("2024-04-08T18:00:00Z")) - 69.1) < 0.5);
    }

    // The lunar eclipse of 2025-09-07 seen from Delhi all along and not at all from New York.
    void lunarLocal()
    {
        const Eclipse e = *nextEclipse(at("2025-09-01T00:00:00Z"));
        const LunarLocalCircumstances delhi = lunarLocalCircumstances(e, {28.61, 77.21});
        const LunarLocalCircumstances newYork = lunarLocalCircumstances(e, {40.71, -74.01});
        QVERIFY(delhi.seen && !newYork.seen);
        for (size_t i = 0; i < 6; ++i) {
            QVERIFY(delhi.moonUpAtContact[i] && !newYork.moonUpAtContact[i]);
            double geo[3] = {77.21, 28.61, 0.0}, attr[20];
            char error[AS_MAXCH];
            swe_lun_eclipse_how(jd(e.contacts[i]), SEFLG_SWIEPH, geo, attr, error);
            QVERIFY(std::abs(delhi.moonAltitudeDeg[i] - attr[5]) < 0.05);
        }
    }
};

QTEST_GUILESS_MAIN(TestEclipses)
#include "tst_eclipses.moc"
