#include "mapcore/GridLayout.h"
#include "mapcore/MapGeometry.h"
#include "mapcore/MarkerLayout.h"

#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(MapGeometry)

namespace {

using Floats = QList<float>;
constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
constexpr float kPpd800 = 800 / 360.0f; // an 800 x 400 map

Floats values(const RectF &r)
{
    return {r.x, r.y, r.width, r.height};
}

// Every field, and a NaN equal to a NaN.
QString text(const MapGeometry &g)
{
    return QString::asprintf("%d %d %.9g %.9g %.9g", g.mapWidth, g.mapHeight, g.pixelsPerDegree,
                             g.equatorialOffset, g.meridianOffset);
}

} // namespace

class TestMapLayout : public QObject
{
    Q_OBJECT

private slots:
    void geometryFromSize_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<MapGeometry>("expected");
        QTest::newRow("small preset") << 720.0f << 360.0f << kSmallPreset;
        QTest::newRow("size truncated, scale not")
            << 720.5f << 360.5f << MapGeometry{720, 360, 720.5f / 360.0f, 180.25f, 360.25f};
        QTest::newRow("negative: toward zero")
            << -10.5f << 4.0f << MapGeometry{-10, 4, -10.5f / 360.0f, 2.0f, -5.25f};
        QTest::newRow("NaN: no pixels") << kNan << 0.0f << MapGeometry{0, 0, kNan, 0.0f, kNan};
        QTest::newRow("huge: saturated")
            << 1e12f << 1.0f << MapGeometry{INT32_MAX, 1, 1e12f / 360.0f, 0.5f, 5e11f};
    }
    void geometryFromSize()
    {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(MapGeometry, expected);
        QCOMPARE(text(::geometryFromSize(width, height)), text(expected));
    }

    void zoomTarget()
    {
        QVERIFY(zoomTargetFor(720.0) == kLargePreset);
        QVERIFY(zoomTargetFor(std::nextafter(720.0, 1000.0)) == kSmallPreset);
        QVERIFY(zoomTargetFor(std::nextafter(720.0, 0.0)) == kSmallPreset);
    }

    // A place in degrees and in view pixels, both ways, and its location square.
    void places_data()
    {
        QTest::addColumn<MapGeometry>("geometry");
        QTest::addColumn<Floats>("latLonYX");
        QTest::newRow("small 45N 90E") << kSmallPreset << Floats{45, 90, 270, 540};
        QTest::newRow("large 45N 90E") << kLargePreset << Floats{45, 90, 540, 1080};
        QTest::newRow("small 45S 90W") << kSmallPreset << Floats{-45, -90, 90, 180};
        QTest::newRow("outside the map: not clamped")
            << kSmallPreset << Floats{100, -200, 380, -40};
    }
    void places()
    {
        QFETCH(MapGeometry, geometry);
        QFETCH(Floats, latLonYX);
        const float lat = latLonYX[0], lon = latLonYX[1], y = latLonYX[2], x = latLonYX[3];
        QCOMPARE(Floats({latitudeToY(lat, geometry), longitudeToX(lon, geometry)}), Floats({y, x}));
        QCOMPARE(Floats({yToLatitude(y, geometry), xToLongitude(x, geometry)}), Floats({lat, lon}));
        QCOMPARE(values(locationSquareRect(lat, lon, geometry.pixelsPerDegree,
                                           geometry.equatorialOffset, geometry.meridianOffset)),
                 Floats({x - 1.5f, y - 1.5f, 3, 3}));
    }

    void gridLines_data()
    {
        QTest::addColumn<float>("pixelsPerDegree");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QList<int>>("fromStepTo");
        QTest::newRow("small preset, not on the edges") << 2.0f << 360 << QList{20, 20, 340};
        QTest::newRow("large preset") << 4.0f << 1440 << QList{40, 40, 1400};
        // Truncated at every step: the fifth line lies at 110, not at 111 (5 x 22.22).
        QTest::newRow("800x400") << kPpd800 << 400 << QList{22, 22, 396};
        QTest::newRow("ppd 0.1: one pixel apart") << 0.1f << 5 << QList{1, 1, 4};
        QTest::newRow("ppd below 0.1: none") << 0.09f << 360 << QList{1, 1, 0};
        QTest::newRow("negative ppd: none") << -2.0f << 360 << QList{1, 1, 0};
        QTest::newRow("ppd NaN: none") << kNan << 360 << QList{1, 1, 0};
        QTest::newRow("ppd infinite: none") << INFINITY << 360 << QList{1, 1, 0};
    }
    void gridLines()
    {
        QFETCH(float, pixelsPerDegree);
        QFETCH(int, limit);
        QFETCH(QList<int>, fromStepTo);
        QList<int> expected;
        for (int p = fromStepTo[0]; p <= fromStepTo[2]; p += fromStepTo[1])
            expected.append(p);
        const std::vector<int32_t> positions = gridLinePositions(pixelsPerDegree, limit);
        QCOMPARE(QList<int>(positions.begin(), positions.end()), expected);
    }

    // Both labels of the grid lines at a pixel, through their values in whole degrees.
    void gridLabels_data()
    {
        QTest::addColumn<int>("pixel");
        QTest::addColumn<float>("pixelsPerDegree");
        QTest::addColumn<QString>("labels");
        QTest::newRow("20") << 20 << 2.0f << "  80° S | 170° W hidden";
        QTest::newRow("40") << 40 << 2.0f << "  70° S | 160° W";
        QTest::newRow("180") << 180 << 2.0f << "   0°   |  90° W hidden";
        QTest::newRow("340") << 340 << 2.0f << "  80° N |  10° W hidden";
        QTest::newRow("360") << 360 << 2.0f << "  90° N |   0°  ";
        QTest::newRow("380") << 380 << 2.0f << " 100° N |  10° E hidden";
        QTest::newRow("800x400, 396: -1.8 is 1 W") << 396 << kPpd800 << "  88° N |   1° W";
        QTest::newRow("800x400, 440: 17.99999 is 17 E")
            << 440 << kPpd800 << " 107° N |  17° E hidden";
    }
    void gridLabels()
    {
        QFETCH(int, pixel);
        QFETCH(float, pixelsPerDegree);
        QFETCH(QString, labels);
        const int longitude = longitudeLabelValue(pixel, pixelsPerDegree);
        const std::string actual = latitudeLabelText(latitudeLabelValue(pixel, pixelsPerDegree)) +
                                   " |" + longitudeLabelText(longitude) +
                                   (longitudeLabelShown(longitude) ? "" : " hidden");
        QCOMPARE(QString::fromStdString(actual), labels);
    }

    void labelAndMarkerPlacement()
    {
        QCOMPARE(latitudeLabelY(20), 14.0f);
        QCOMPARE(longitudeLabelX(360, 30.0f), 345.0f);
        QCOMPARE(longitudeLabelX(396, 25.0f), 383.5f);
        // Both circles are centred on (x + 0.5, y + 0.5).
        QCOMPARE(values(markerDotRect(100.0f, 50.0f)), Floats({96, 46, 9, 9}));
        QCOMPARE(values(markerCentreRect(100.0f, 50.0f)), Floats({98, 48, 5, 5}));
    }

    void zoneLabel_data()
    {
        QTest::addColumn<float>("markerX");
        QTest::addColumn<float>("textWidth");
        QTest::addColumn<int>("mapWidth");
        QTest::addColumn<float>("shift");
        QTest::newRow("well inside: no shift") << 360.0f << 40.0f << 720 << 0.0f;
        QTest::newRow("0.5 over the limit: truncated to 0") << 660.0f << 40.5f << 720 << 0.0f;
        QTest::newRow("1.75 over the limit: 1") << 660.0f << 41.75f << 720 << 1.0f;
        QTest::newRow("large map, limit 1420") << 1400.0f << 30.75f << 1440 << 10.0f;
        QTest::newRow("text wider than the map") << 10.0f << 800.0f << 720 << 110.0f;
    }
    void zoneLabel()
    {
        QFETCH(float, markerX);
        QFETCH(float, textWidth);
        QFETCH(int, mapWidth);
        QFETCH(float, shift);
        QCOMPARE(labelShift(markerX, textWidth, mapWidth), shift);
        // The box starts 3 right of the marker and 2 left of the text.
        QCOMPARE(values(zoneLabelBox(markerX, 100.0f, textWidth, 17.0f, shift)),
                 Floats({markerX + 3 - shift, 104, textWidth + 4, 17}));
        const PointF origin = zoneLabelTextOrigin(markerX, 100.0f, shift);
        QCOMPARE(Floats({origin.x, origin.y}), Floats({markerX + 5 - shift, 105}));
    }
};

QTEST_APPLESS_MAIN(TestMapLayout)
#include "tst_maplayout.moc"
