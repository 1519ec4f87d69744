#include "mapcore/MapGeometry.h"
#include "mapcore/MarkerLayout.h"

#include <QtTest>

Q_DECLARE_METATYPE(MapGeometry)
Q_DECLARE_METATYPE(RectF)

/// Found by QCOMPARE through argument-dependent lookup, for readable failures.
char *toString(const RectF &r)
{
    return QTest::toString(
        QStringLiteral("(%1, %2) %3 x %4").arg(r.x).arg(r.y).arg(r.width).arg(r.height));
}

char *toString(const PointF &p)
{
    return QTest::toString(QStringLiteral("(%1, %2)").arg(p.x).arg(p.y));
}

class TestMarkerLayout : public QObject
{
    Q_OBJECT

private slots:
    void locationSquare_data()
    {
        QTest::addColumn<float>("latitude");
        QTest::addColumn<float>("longitude");
        QTest::addColumn<MapGeometry>("geometry");
        QTest::addColumn<RectF>("expected");

        QTest::newRow("small preset, 0 0")
            << 0.0f << 0.0f << kSmallPreset << RectF{358.5f, 178.5f, 3, 3};
        QTest::newRow("small preset, 45 N 90 E")
            << 45.0f << 90.0f << kSmallPreset << RectF{538.5f, 268.5f, 3, 3};
        QTest::newRow("large preset, 45 N 90 E")
            << 45.0f << 90.0f << kLargePreset << RectF{1078.5f, 538.5f, 3, 3};
        QTest::newRow("south-west lies below and left of the centre")
            << -45.0f << -90.0f << kSmallPreset << RectF{178.5f, 88.5f, 3, 3};
        QTest::newRow("outside the map: not clamped")
            << 100.0f << -200.0f << kSmallPreset << RectF{-41.5f, 378.5f, 3, 3};
    }
    void locationSquare()
    {
        QFETCH(float, latitude);
        QFETCH(float, longitude);
        QFETCH(MapGeometry, geometry);
        QFETCH(RectF, expected);
        QCOMPARE(locationSquareRect(latitude, longitude, geometry.pixelsPerDegree,
                                    geometry.equatorialOffset, geometry.meridianOffset),
                 expected);
    }

    void markerDots()
    {
        // Both circles are centred on (x + 0.5, y + 0.5).
        QCOMPARE(markerDotRect(100.0f, 50.0f), (RectF{96.0f, 46.0f, 9, 9}));
        QCOMPARE(markerCentreRect(100.0f, 50.0f), (RectF{98.0f, 48.0f, 5, 5}));
    }

    void zoneLabel_data()
    {
        QTest::addColumn<float>("markerX");
        QTest::addColumn<float>("textWidth");
        QTest::addColumn<int>("mapWidth");
        QTest::addColumn<float>("shift");
        QTest::addColumn<float>("boxX"); // the text starts 2 to the right

        QTest::newRow("well inside: no shift") << 360.0f << 40.0f << 720 << 0.0f << 363.0f;
        QTest::newRow("x + w = 715.5: s = 15") << 690.0f << 25.5f << 720 << 15.0f << 678.0f;
        QTest::newRow("exactly at the limit: no shift") << 660.0f << 40.0f << 720 << 0.0f << 663.0f;
        QTest::newRow("0.5 over the limit: truncated to no shift")
            << 660.0f << 40.5f << 720 << 0.0f << 663.0f;
        QTest::newRow("1 over the limit: s = 1") << 660.0f << 41.0f << 720 << 1.0f << 662.0f;
        QTest::newRow("large map, limit 1420: 10.75 over -> 10")
            << 1400.0f << 30.75f << 1440 << 10.0f << 1393.0f;
        QTest::newRow("text wider than the map: moves past the left edge")
            << 10.0f << 800.0f << 720 << 110.0f << -97.0f;
    }
    void zoneLabel()
    {
        QFETCH(float, markerX);
        QFETCH(float, textWidth);
        QFETCH(int, mapWidth);
        QFETCH(float, shift);
        QFETCH(float, boxX);
        constexpr float kMarkerY = 100.0f;
        constexpr float kTextHeight = 17.0f;
        const float s = labelShift(markerX, textWidth, mapWidth);
        QCOMPARE(s, shift);
        QCOMPARE(zoneLabelBox(markerX, kMarkerY, textWidth, kTextHeight, s),
                 (RectF{boxX, 104.0f, textWidth + 4, kTextHeight}));
        QCOMPARE(zoneLabelTextOrigin(markerX, kMarkerY, s), (PointF{boxX + 2, 105.0f}));
        // After a shift the text ends within one pixel past the limit.
        if (s > 0) {
            const float end = markerX + textWidth - s;
            QVERIFY(end >= float(mapWidth - 20) && end < float(mapWidth - 19));
        }
    }
};

QTEST_APPLESS_MAIN(TestMarkerLayout)
#include "tst_markerlayout.moc"
