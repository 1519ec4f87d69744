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
        QTest::newRow("720x360 -> small preset") << 720.0f << 360.0f << kSmallPreset;
        QTest::newRow("1440x720 -> large preset") << 1440.0f << 720.0f << kLargePreset;
        QTest::newRow("720.5x360.5 truncates size only")
            << 720.5f << 360.5f << MapGeometry{720, 360, 720.5f / 360.0f, 180.25f, 360.25f};
        QTest::newRow("negative width truncates toward zero")
            << -10.5f << 4.0f << MapGeometry{-10, 4, -10.5f / 360.0f, 2.0f, -5.25f};
        QTest::newRow("NaN size gives zero pixels")
            << std::numeric_limits<float>::quiet_NaN() << 0.0f
            << MapGeometry{0, 0, std::numeric_limits<float>::quiet_NaN(), 0.0f,
                           std::numeric_limits<float>::quiet_NaN()};
        QTest::newRow("huge width saturates")
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
        QTest::newRow("1440 -> small") << 1440.0 << kSmallPreset;
        QTest::newRow("800 -> small") << 800.0 << kSmallPreset;
        QTest::newRow("just above 720 -> small") << std::nextafter(720.0, 1000.0) << kSmallPreset;
        QTest::newRow("just below 720 -> small") << std::nextafter(720.0, 0.0) << kSmallPreset;
    }
    void zoomTarget()
    {
        QFETCH(double, windowWidth);
        QFETCH(MapGeometry, expected);
        QVERIFY(zoomTargetFor(windowWidth) == expected);
        // Zooming twice comes back to the size it started from.
        const MapGeometry back = zoomTargetFor(zoomTargetFor(windowWidth).mapWidth);
        QVERIFY(back == (expected == kLargePreset ? kSmallPreset : kLargePreset));
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
        QTest::newRow("small 45S 90W below and west")
            << kSmallPreset << -45.0f << -90.0f << 90.0f << 180.0f;
        QTest::newRow("small south-west corner")
            << kSmallPreset << -90.0f << -180.0f << 0.0f << 0.0f;
        QTest::newRow("large north-east corner")
            << kLargePreset << 90.0f << 180.0f << 720.0f << 1440.0f;
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
