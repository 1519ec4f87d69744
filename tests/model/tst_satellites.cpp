#include "model/Satellites.h"
#include "orbits/ElementReader.h"

#include <QtTest>

namespace {
// The ISS at 2026-12-06 12:00 UTC, and a low polar orbiter.
constexpr std::string_view kElements =
    "ISS (ZARYA)\n"
    "1 25544U 98067A   26340.50000000  .00016717  00000-0  30057-3 0  9990\n"
    "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.50377579432715\n"
    "NOAA 19\n"
    "1 33591U 09005A   26340.25000000  .00000120  00000-0  89000-4 0  9991\n"
    "2 33591  99.1900 150.3000 0013000 200.1000 160.0000 14.12900000912340\n";
constexpr double kEpoch = 1796558400.0;
} // namespace

class TestSatellites : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_satellites.setElements(std::make_shared<std::vector<orbits::ElementSet>>(
            orbits::readElementText(kElements).sets));
        m_satellites.setChosen({kIssCatalogNumber, 33591});
        QCOMPARE(m_satellites.shown().size(), 2u);
    }

    // The kept next passes, asked at instants in turn (hours from the epoch:
    // forward within a pass, past it, back), each against the first pass of a
    // whole search from there; from 68 h the search's first step ends within a pass.
    void nextPasses_data()
    {
        QTest::addColumn<GeoPoint>("home");
        QTest::addColumn<double>("mask");
        QTest::addColumn<QList<double>>("hours");
        QTest::newRow("Berlin") << GeoPoint{52.52, 13.40} << 0.0
                                << QList<double>{68, 36, 36.5, 52.5, 52.55, 60, 52.55, 36, 100};
        QTest::newRow("Berlin at 10°")
            << GeoPoint{52.52, 13.40} << 10.0 << QList<double>{0, 1, 30, 2};
        QTest::newRow("ISS never") << GeoPoint{-89.0, 0.0} << 0.0 << QList<double>{0, 0.5, 2, 0};
    }
    void nextPasses()
    {
        QFETCH(GeoPoint, home);
        QFETCH(double, mask);
        QFETCH(QList<double>, hours);
        m_satellites.setElevationMask(mask);
        for (const double hour : hours) {
            const double from = kEpoch + hour * 3600.0;
            for (const Satellites::NextPass &each : m_satellites.nextPasses(home, 0.0, from)) {
                const auto all = passesOver(*each.satellite, home, 0.0, mask, from);
                const QByteArray at =
                    each.satellite->name().toUtf8() + " at " + QByteArray::number(hour);
                QVERIFY2(each.pass.has_value() == !all.empty(), at);
                if (all.empty())
                    continue;
                // Under way: the kept pass rose before, the search's at its start.
                const auto near = [](double a, double b) { return std::abs(a - b) < 0.05; };
                QVERIFY2(near(each.pass->setUnixSeconds, all.front().setUnixSeconds) &&
                             (all.front().upAtStart
                                  ? each.pass->riseUnixSeconds <= from
                                  : near(each.pass->riseUnixSeconds, all.front().riseUnixSeconds)),
                         at);
            }
        }
    }

    // The tooltip's light and age: the colour named is the one drawn.
    void details_data()
    {
        QTest::addColumn<bool>("visible");
        QTest::addColumn<double>("ageDays");
        QTest::addColumn<QString>("lines"); // the last
        QTest::newRow("seen") << true << 3.0
                              << "Sunlit over home in the dark: to be seen by eye (green)\n"
                                 "Elements 3.0 days old";
        QTest::newRow("stale: grey") << true << 14.06
                                     << "Sunlit over home in the dark: to be seen by eye\nElements "
                                        "14.1 days old: stale, so it may be far from where it is "
                                        "drawn (grey)";
    }
    void details()
    {
        QFETCH(bool, visible);
        QFETCH(double, ageDays);
        QFETCH(QString, lines);
        SatelliteNow now = m_satellites.at(kEpoch + ageDays * 86400.0, std::nullopt).front();
        now.visibleFromHome = visible;
        QVERIFY2(satelliteDetails(now).endsWith('\n' + lines), qPrintable(satelliteDetails(now)));
        QCOMPARE(elementAgeText(ageDays).endsWith(", stale"), now.stale);
    }

private:
    Satellites m_satellites;
};

QTEST_GUILESS_MAIN(TestSatellites)
#include "tst_satellites.moc"
