#include "mapcore/MapGeometry.h"
#include "mapcore/MarkerLayout.h"

#include <QtTest>

Q_DECLARE_METATYPE(MapGeometry)

namespace {

using Floats = QList<float>;

// Compared exactly, and printed on failure.
Floats values(const RectF &r)
{
    return {r.x, r.y, r.width, r.height};
}

} // namespace

class TestMarkerLayout : public QObject
{
    Q_OBJECT

private slots:
    void locationSquare_data()
    {
        QTest::addColumn<float>("latitude");
        QTest::addColumn<float>("longitude");
        QTest::addColumn<MapGeometry>("geometry");
        QTest::addColumn<Floats>("expected");
        QTest::newRow("small, 45 N 90 E")
            << 45.0f << 90.0f << kSmallPreset << Floats{538.5, 268.5, 3, 3};
        QTest::newRow("large, 45 N 90 E")
            << 45.0f << 90.0f << kLargePreset << Floats{1078.5, 538.5, 3, 3};
        QTest::newRow("small, 45 S 90 W")
            << -45.0f << -90.0f << kSmallPreset << Floats{178.5, 88.5, 3, 3};
        QTest::newRow("outside the map: not clamped")
            << 100.0f << -200.0f << kSmallPreset << Floats{-41.5, 378.5, 3, 3};
    }
    void locationSquare()
    {
        QFETCH(float, latitude);
        QFETCH(float, longitude);
        QFETCH(MapGeometry, geometry);
        QFETCH(Floats, expected);
        QCOMPARE(values(locationSquareRect(latitude, longitude, geometry.pixelsPerDegree,
                                           geometry.equatorialOffset, geometry.meridianOffset)),
                 expected);
    }

    void markerDots()
    {
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
        QTest::newRow("0.5 over the limit: truncated to no shift")
            << 660.0f << 40.5f << 720 << 0.0f;
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

QTEST_APPLESS_MAIN(TestMarkerLayout)
#include "tst_markerlayout.moc"
