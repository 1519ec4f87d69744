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

/// A grid line at `pixel` and its label.
struct Label
{
    bool latitude;
    int pixel;
    float pixelsPerDegree;
    int value;
    QString text;
    bool shown; // longitudes only
};

} // namespace

Q_DECLARE_METATYPE(Label)

class TestGridLayout : public QObject
{
    Q_OBJECT

private slots:
    void linePositions_data()
    {
        QTest::addColumn<float>("pixelsPerDegree");
        QTest::addColumn<int>("limit");
        QTest::addColumn<Positions>("expected");
        QTest::newRow("small preset, not on the edges") << 2.0f << 360 << every(20, 20, 340);
        QTest::newRow("large preset") << 4.0f << 1440 << every(40, 40, 1400);
        // Spacing 22.22...: truncating at every step loses the fraction each time, so the
        // fifth line lies at 110, not at 111 (5 x 22.22).
        QTest::newRow("800x400: truncated at every step") << kPpd800 << 400 << every(22, 22, 396);
        QTest::newRow("ppd 0.1: one pixel apart") << 0.1f << 5 << Positions{1, 2, 3, 4};
        QTest::newRow("ppd below 0.1: none") << 0.09f << 360 << Positions{};
        QTest::newRow("negative ppd: none") << -2.0f << 360 << Positions{};
        QTest::newRow("ppd NaN: none")
            << std::numeric_limits<float>::quiet_NaN() << 360 << Positions{};
        QTest::newRow("ppd infinite: none")
            << std::numeric_limits<float>::infinity() << 360 << Positions{};
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
        QTest::addColumn<Label>("label");
        QTest::newRow("y 20: 80 S") << Label{true, 20, 2.0f, -80, "  80° S", true};
        QTest::newRow("y 180: equator") << Label{true, 180, 2.0f, 0, "   0°  ", true};
        QTest::newRow("y 340: 80 N") << Label{true, 340, 2.0f, 80, "  80° N", true};
        QTest::newRow("x 40: 160 W") << Label{false, 40, 2.0f, -160, " 160° W", true};
        QTest::newRow("x 360: 0") << Label{false, 360, 2.0f, 0, "   0°  ", true};
        QTest::newRow("x 20: 170 W unlabelled") << Label{false, 20, 2.0f, -170, " 170° W", false};
        QTest::newRow("x 340: 10 W unlabelled") << Label{false, 340, 2.0f, -10, "  10° W", false};
        QTest::newRow("x 380: 10 E unlabelled") << Label{false, 380, 2.0f, 10, "  10° E", false};
        QTest::newRow("800x400 x 396: -1.8 truncates to 1 W")
            << Label{false, 396, kPpd800, -1, "   1° W", true};
        QTest::newRow("800x400 x 440: 197.99999 - 180 truncates to 17 E")
            << Label{false, 440, kPpd800, 17, "  17° E", false};
    }
    void labels()
    {
        QFETCH(Label, label);
        if (label.latitude) {
            QCOMPARE(latitudeLabelValue(label.pixel, label.pixelsPerDegree), label.value);
            QCOMPARE(QString::fromStdString(latitudeLabelText(label.value)), label.text);
        } else {
            QCOMPARE(longitudeLabelValue(label.pixel, label.pixelsPerDegree), label.value);
            QCOMPARE(QString::fromStdString(longitudeLabelText(label.value)), label.text);
            QCOMPARE(longitudeLabelShown(label.value), label.shown);
        }
    }

    void labelPlacement()
    {
        QCOMPARE(latitudeLabelY(20), 14.0f);
        QCOMPARE(longitudeLabelX(360, 30.0f), 345.0f);
        QCOMPARE(longitudeLabelX(396, 25.0f), 383.5f);
    }
};

QTEST_APPLESS_MAIN(TestGridLayout)
#include "tst_gridlayout.moc"
