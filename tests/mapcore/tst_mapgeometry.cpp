#include "mapcore/MapGeometry.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(MapGeometry)

class TestMapGeometry : public QObject
{
    Q_OBJECT

private slots:
    void fromSize_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<MapGeometry>("expected");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("720x360: small preset") << 720.0f << 360.0f << kSmallPreset;
        QTest::newRow("720.5x360.5: size truncated, scale not")
            << 720.5f << 360.5f << MapGeometry{720, 360, 720.5f / 360.0f, 180.25f, 360.25f};
        QTest::newRow("negative: toward zero")
            << -10.5f << 4.0f << MapGeometry{-10, 4, -10.5f / 360.0f, 2.0f, -5.25f};
        QTest::newRow("NaN: no pixels") << nan << 0.0f << MapGeometry{0, 0, nan, 0.0f, nan};
        QTest::newRow("huge: saturated")
            << 1e12f << 1.0f
            << MapGeometry{std::numeric_limits<int32_t>::max(), 1, 1e12f / 360.0f, 0.5f, 5e11f};
    }
    void fromSize()
    {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(MapGeometry, expected);
        const MapGeometry actual = geometryFromSize(width, height);
        QCOMPARE(actual.mapWidth, expected.mapWidth);
        QCOMPARE(actual.mapHeight, expected.mapHeight);
        // QCOMPARE takes a NaN to equal only a NaN.
        QCOMPARE(actual.pixelsPerDegree, expected.pixelsPerDegree);
        QCOMPARE(actual.meridianOffset, expected.meridianOffset);
        QCOMPARE(actual.equatorialOffset, expected.equatorialOffset);
    }

    void zoomTarget_data()
    {
        QTest::addColumn<double>("windowWidth");
        QTest::addColumn<MapGeometry>("expected");
        QTest::newRow("720 -> large") << 720.0 << kLargePreset;
        QTest::newRow("just above 720 -> small") << std::nextafter(720.0, 1000.0) << kSmallPreset;
        QTest::newRow("just below 720 -> small") << std::nextafter(720.0, 0.0) << kSmallPreset;
    }
    void zoomTarget()
    {
        QFETCH(double, windowWidth);
        QFETCH(MapGeometry, expected);
        QVERIFY(zoomTargetFor(windowWidth) == expected);
    }

    void degreesToPixels_data()
    {
        QTest::addColumn<MapGeometry>("geometry");
        QTest::addColumn<float>("latitudeDeg");
        QTest::addColumn<float>("longitudeDeg");
        QTest::addColumn<float>("y");
        QTest::addColumn<float>("x");
        QTest::newRow("small 45N 90E") << kSmallPreset << 45.0f << 90.0f << 270.0f << 540.0f;
        QTest::newRow("large 45N 90E") << kLargePreset << 45.0f << 90.0f << 540.0f << 1080.0f;
        QTest::newRow("small 45S 90W") << kSmallPreset << -45.0f << -90.0f << 90.0f << 180.0f;
    }
    void degreesToPixels()
    {
        QFETCH(MapGeometry, geometry);
        QFETCH(float, latitudeDeg);
        QFETCH(float, longitudeDeg);
        QFETCH(float, y);
        QFETCH(float, x);
        QCOMPARE(latitudeToY(latitudeDeg, geometry), y);
        QCOMPARE(longitudeToX(longitudeDeg, geometry), x);
        QCOMPARE(yToLatitude(y, geometry), latitudeDeg);
        QCOMPARE(xToLongitude(x, geometry), longitudeDeg);
    }
};

QTEST_APPLESS_MAIN(TestMapGeometry)
#include "tst_mapgeometry.moc"
