#include "mapcore/GridLayout.h"

#include <QtTest>

#include <limits>

namespace {

using Positions = QList<int>;

/// from, from + step, ... up to and including to.
Positions every(int from, int step, int to)
{
    Positions positions;
    for (int p = from; p <= to; p += step)
        positions.append(p);
    return positions;
}

constexpr float kPpd800 = 800 / 360.0f; // an 800 x 400 map

} // namespace

class TestGridLayout : public QObject
{
    Q_OBJECT

private slots:
    void linePositions_data()
    {
        QTest::addColumn<float>("pixelsPerDegree");
        QTest::addColumn<int>("limit");
        QTest::addColumn<Positions>("expected");

        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();

        QTest::newRow("small preset latitudes: 20 ... 340, not on the edges")
            << 2.0f << 360 << every(20, 20, 340);
        QTest::newRow("small preset longitudes: 20 ... 700") << 2.0f << 720 << every(20, 20, 700);
        QTest::newRow("large preset longitudes: 40 ... 1400")
            << 4.0f << 1440 << every(40, 40, 1400);
        // Spacing 22.22...: truncating at every step loses the fraction each time, so the
        // fifth line lies at 110, not at 111 (5 x 22.22).
        QTest::newRow("800x400 latitudes: truncated at every step, 22 ... 396")
            << kPpd800 << 400 << every(22, 22, 396);
        QTest::newRow("ppd 0.1: one pixel apart") << 0.1f << 5 << Positions{1, 2, 3, 4};
        QTest::newRow("ppd below 0.1: none") << 0.09f << 360 << Positions{};
        QTest::newRow("ppd 0: none") << 0.0f << 360 << Positions{};
        QTest::newRow("negative ppd: none") << -2.0f << 360 << Positions{};
        QTest::newRow("ppd not a number: none") << nan << 360 << Positions{};
        QTest::newRow("ppd infinite: none") << inf << 360 << Positions{};
        QTest::newRow("spacing beyond the map: none") << 100.0f << 720 << Positions{};
        QTest::newRow("empty map: none") << 2.0f << 0 << Positions{};
    }
    void linePositions()
    {
        QFETCH(float, pixelsPerDegree);
        QFETCH(int, limit);
        QFETCH(Positions, expected);

        const std::vector<int32_t> positions = gridLinePositions(pixelsPerDegree, limit);
        QCOMPARE(Positions(positions.begin(), positions.end()), expected);
    }

    void labels_data()
    {
        QTest::addColumn<bool>("isLatitude");
        QTest::addColumn<int>("pixel");
        QTest::addColumn<float>("pixelsPerDegree");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");

        QTest::newRow("small y 20: 80 S") << true << 20 << 2.0f << -80 << "  80° S" << true;
        QTest::newRow("small y 180: equator, two trailing spaces")
            << true << 180 << 2.0f << 0 << "   0°  " << true;
        QTest::newRow("small y 340: 80 N") << true << 340 << 2.0f << 80 << "  80° N" << true;
        QTest::newRow("800x400 y 396: 88 N") << true << 396 << kPpd800 << 88 << "  88° N" << true;

        QTest::newRow("small x 40: 160 W labelled")
            << false << 40 << 2.0f << -160 << " 160° W" << true;
        QTest::newRow("small x 360: 0 labelled") << false << 360 << 2.0f << 0 << "   0°  " << true;
        QTest::newRow("small x 680: 160 E labelled")
            << false << 680 << 2.0f << 160 << " 160° E" << true;
        QTest::newRow("small x 20: 170 W unlabelled")
            << false << 20 << 2.0f << -170 << " 170° W" << false;
        QTest::newRow("small x 340: 10 W unlabelled")
            << false << 340 << 2.0f << -10 << "  10° W" << false;
        QTest::newRow("small x 380: 10 E unlabelled")
            << false << 380 << 2.0f << 10 << "  10° E" << false;
        QTest::newRow("large x 80: 160 W") << false << 80 << 4.0f << -160 << " 160° W" << true;
        QTest::newRow("800x400 x 396: -1.8 truncates to 1 W, labelled")
            << false << 396 << kPpd800 << -1 << "   1° W" << true;
        QTest::newRow("800x400 x 418: 8 E labelled")
            << false << 418 << kPpd800 << 8 << "   8° E" << true;
        QTest::newRow("800x400 x 440: 197.99999 - 180 truncates to 17 E, unlabelled")
            << false << 440 << kPpd800 << 17 << "  17° E" << false;
    }
    void labels()
    {
        QFETCH(bool, isLatitude);
        QFETCH(int, pixel);
        QFETCH(float, pixelsPerDegree);
        QFETCH(int, value);
        QFETCH(QString, text);
        QFETCH(bool, shown);

        if (isLatitude) {
            QCOMPARE(latitudeLabelValue(pixel, pixelsPerDegree), value);
            QCOMPARE(QString::fromStdString(latitudeLabelText(value)), text);
        } else {
            QCOMPARE(longitudeLabelValue(pixel, pixelsPerDegree), value);
            QCOMPARE(QString::fromStdString(longitudeLabelText(value)), text);
            QCOMPARE(longitudeLabelShown(value), shown);
        }
    }

    void smallPresetLabelsEverySecondLine()
    {
        // 35 longitude lines from 170 W to 170 E, of which 17 carry a label; no label
        // ever names 90 or 180 degrees.
        int labelled = 0;
        for (const int32_t x : gridLinePositions(2.0f, 720)) {
            const int32_t value = longitudeLabelValue(x, 2.0f);
            QVERIFY(value > -180 && value < 180);
            labelled += longitudeLabelShown(value) ? 1 : 0;
        }
        QCOMPARE(labelled, 17);
        for (const int32_t y : gridLinePositions(2.0f, 360)) {
            const int32_t value = latitudeLabelValue(y, 2.0f);
            QVERIFY(value > -90 && value < 90);
        }
    }

    void labelPlacement()
    {
        QCOMPARE(latitudeLabelY(20), 14.0f);
        QCOMPARE(latitudeLabelY(0), -6.0f);
        QCOMPARE(longitudeLabelX(360, 30.0f), 345.0f);
        QCOMPARE(longitudeLabelX(396, 25.0f), 383.5f);
        QCOMPARE(gridLabelBoxWidth(30.0f), 32.0f);
    }
};

QTEST_APPLESS_MAIN(TestGridLayout)
#include "tst_gridlayout.moc"
