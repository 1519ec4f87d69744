#include "model/Satellites.h"
#include "orbits/ElementReader.h"

#include <QtTest>

#include <memory>

namespace {
// The ISS at 2026-12-06 12:00 UTC, and a low polar orbiter.
constexpr std::string_view kElements =
    "ISS (ZARYA)\n"
    "1 25544U 98067A   26340.50000000  .00016717  00000-0  30057-3 0  9990\n"
    "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.50377579432715\n"
    "NOAA 19\n"
    "1 33591U 09005A   26340.25000000  .00000120  00000-0  89000-4 0  9991\n"
    "2 33591  99.1900 150.3000 0013000 200.1000 160.0000 14.12900000912340\n";
constexpr double kEpoch = 1796558400.0; // 2026-12-06T12:00:00Z
const GeoPoint kBerlin{52.52, 13.40};
} // namespace

class TestSatellites : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        auto sets = std::make_shared<std::vector<orbits::ElementSet>>(
            orbits::readElementText(kElements).sets);
        QCOMPARE(sets->size(), 2u);
        QCOMPARE(sets->front().epochUnixSeconds, kEpoch);
        m_satellites.setElements(std::move(sets));
        m_satellites.setChosen({kIssCatalogNumber, 33591});
    }

    // The kept next passes, asked at instants in turn (hours from the epoch;
    // forward within a pass, past it, back before the first), each against
    // the first pass of a whole search from that instant; from 68 h, the
    // first step of the search ends within a pass.
    void nextPasses_data()
    {
        QTest::addColumn<GeoPoint>("home");
        QTest::addColumn<double>("mask");
        QTest::addColumn<QList<double>>("hours");
        QTest::newRow("Berlin, forward and back")
            << kBerlin << 0.0 << QList<double>{68, 36, 36.5, 52.5, 52.55, 60, 52.55, 36, 100};
        QTest::newRow("Berlin at 10 degrees") << kBerlin << 10.0 << QList<double>{0, 1, 30, 2};
        QTest::newRow("south pole: ISS never")
            << GeoPoint{-89.0, 0.0} << 0.0 << QList<double>{0, 0.5, 2, 0};
    }
    void nextPasses()
    {
        QFETCH(GeoPoint, home);
        QFETCH(double, mask);
        QFETCH(QList<double>, hours);
        m_satellites.setElevationMask(mask);
        for (const double hour : hours) {
            const double from = kEpoch + hour * 3600.0;
            const auto next = m_satellites.nextPasses(home, 0.0, from);
            QCOMPARE(next.size(), 2u);
            for (const Satellites::NextPass &each : next) {
                const auto all = passesOver(*each.satellite, home, 0.0, mask, from);
                const QString at =
                    QStringLiteral("%1 at %2 h").arg(each.satellite->name()).arg(hour);
                QVERIFY2(each.pass.has_value() == !all.empty(), qPrintable(at));
                if (all.empty())
                    continue;
                // Under way: the kept pass rose before, the search's at its start.
                const orbits::Pass &first = all.front();
                QVERIFY2(first.upAtStart
                             ? each.pass->riseUnixSeconds <= from
                             : std::abs(each.pass->riseUnixSeconds - first.riseUnixSeconds) < 0.05,
                         qPrintable(at));
                QVERIFY2(std::abs(each.pass->setUnixSeconds - first.setUnixSeconds) < 0.05,
                         qPrintable(at));
            }
        }
    }

    // The tooltip's light and age lines: the colour named is the one drawn.
    void details_data()
    {
        QTest::addColumn<bool>("sunlit");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<double>("ageDays");
        QTest::addColumn<QString>("lines");
        QTest::newRow("shadow") << false << false << 1.46
                                << "In the Earth's shadow (blue)\nElements 1.5 days old";
        QTest::newRow("sunlit") << true << false << 0.0 << "Sunlit (gold)\nElements 0.0 days old";
        QTest::newRow("to be seen")
            << true << true << 3.0
            << "Sunlit over home in the dark: to be seen by eye (green)\nElements 3.0 days old";
        QTest::newRow("stale: grey, not gold")
            << true << false << 14.06
            << "Sunlit\nElements 14.1 days old: stale, so it may be far from where it is drawn "
               "(grey)";
        QTest::newRow("elements from later") << false << false << -2.0
                                             << "In the Earth's shadow (blue)\nElements dated 2.0 "
                                                "days later";
    }
    void details()
    {
        QFETCH(bool, sunlit);
        QFETCH(bool, visible);
        QFETCH(double, ageDays);
        QFETCH(QString, lines);
        SatelliteNow now = m_satellites.at(kEpoch + ageDays * 86400.0, std::nullopt).front();
        QCOMPARE(now.elementAgeDays, ageDays);
        now.place.sunlit = sunlit;
        now.visibleFromHome = visible;
        QStringList parts = satelliteDetails(now).split('\n');
        QCOMPARE(parts.takeFirst(), "ISS (ZARYA), catalogue number 25544");
        QVERIFY2(parts.takeFirst().contains(QRegularExpression("^4\\d\\d km high, seen up to "
                                                               "2,\\d\\d\\d km away$")),
                 qPrintable(satelliteDetails(now)));
        QCOMPARE(parts.join('\n'), lines);
        QCOMPARE(elementAgeText(ageDays).endsWith(", stale"), now.stale);
    }

private:
    Satellites m_satellites;
};

QTEST_GUILESS_MAIN(TestSatellites)
#include "tst_satellites.moc"
