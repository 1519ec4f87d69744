// Rendered checks of the map's layers on Qt's offscreen platform: pixels are
// read back where the layer arithmetic puts lines, squares and the marker.
#include "render/MapImages.h"
#include "render/MapRenderer.h"

#include <QPainter>
#include <QTest>

namespace {
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kYellow = 0xffffff00;

// A map-sized image filled with one colour, then drawn on.
template <typename Draw> QImage drawn(const MapGeometry &g, QRgb fill, Draw draw)
{
    QImage image(g.mapWidth, g.mapHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    QPainter painter(&image);
    draw(painter);
    return image;
}

bool isRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}
} // namespace

class TestMapLayers : public QObject
{
    Q_OBJECT

private slots:
    void gridLinesWhereTheGridSays_data()
    {
        QTest::addColumn<bool>("large");
        QTest::newRow("small preset") << false;
        QTest::newRow("large preset") << true;
    }
    void gridLinesWhereTheGridSays()
    {
        QFETCH(bool, large);
        const MapGeometry g = large ? kLargePreset : kSmallPreset;
        const int scale = large ? 2 : 1;
        const QImage image = drawn(g, kBlack, [&](QPainter &painter) {
            drawGridLines(painter, g, smallTextStyle(), ViewCoordinates(g.mapHeight));
        });
        // The latitude line at 80 S (y = 20 per degree scale) lies on a pixel
        // boundary: the two rows around it are lit, away from the labels.
        const int lineRow = g.mapHeight - 20 * scale;
        const int x = 300 * scale + 5;
        QVERIFY(qRed(image.pixel(x, lineRow - 1)) > 0 || qRed(image.pixel(x, lineRow)) > 0);
        // Between lines, nothing.
        QCOMPARE(image.pixel(x, lineRow - 10 * scale), kBlack);
        // The longitude line at 170 W.
        const int y = 110 * scale + 5;
        QVERIFY(qRed(image.pixel(20 * scale - 1, y)) > 0 || qRed(image.pixel(20 * scale, y)) > 0);
        QCOMPARE(image.pixel(10 * scale, y), kBlack);
        // No line on the map's edges.
        QCOMPARE(image.pixel(x, 0), kBlack);
        QCOMPARE(image.pixel(x, g.mapHeight - 1), kBlack);
        QCOMPARE(image.pixel(g.mapWidth - 1, y), kBlack);
    }

    void latitudeLabelSitsOnItsLine()
    {
        const MapGeometry g = kSmallPreset;
        const QImage image = drawn(g, kWhite, [&](QPainter &painter) {
            drawGridLines(painter, g, smallTextStyle(), ViewCoordinates(g.mapHeight));
        });
        // The label of the line at y = 20 has its box from y = 14 upward, at the
        // left edge: the half-black box darkens the white beneath it.
        const int boxRow = g.mapHeight - 15;
        QVERIFY(qRed(image.pixel(0, boxRow)) < 200);
        QCOMPARE(image.pixel(0, g.mapHeight - 1), kWhite);
    }

    void locationSquareYellowInBlackFrame()
    {
        const MapGeometry g = kSmallPreset;
        // Latitude and longitude 0.25 put the square on whole pixels:
        // R = (359, 179), 3 x 3 in view coordinates; rows 178..180 from the top.
        const ZonePlace place{0.25f, 0.25f};
        const QImage image = drawn(g, kWhite, [&](QPainter &painter) {
            drawLocationSquares(painter, std::span(&place, 1), g, ViewCoordinates(g.mapHeight));
        });
        for (int x = 359; x <= 361; ++x)
            for (int y = 178; y <= 180; ++y)
                QCOMPARE(image.pixel(x, y), kYellow);
        QCOMPARE(image.pixel(358, 179), kBlack);
        QCOMPARE(image.pixel(362, 179), kBlack);
        QCOMPARE(image.pixel(360, 177), kBlack);
        QCOMPARE(image.pixel(360, 181), kBlack);
        QCOMPARE(image.pixel(356, 179), kWhite);
        QCOMPARE(image.pixel(364, 179), kWhite);
    }

    void markerAndLabel_data()
    {
        QTest::addColumn<QString>("label");
        QTest::newRow("with a zone") << QStringLiteral("Europe/London");
        QTest::newRow("no zone selected") << QString();
    }
    void markerAndLabel()
    {
        QFETCH(QString, label);
        const MapGeometry g = kSmallPreset;
        const QImage image = drawn(g, kWhite, [&](QPainter &painter) {
            drawCityInfo(painter, 360.0f, 180.0f, label, labelTextStyle(), g.mapWidth,
                         ViewCoordinates(g.mapHeight));
        });
        // Both circles are centred on (360.5, 180.5): pixel (360, 179) from the top.
        QCOMPARE(image.pixel(360, 179), kBlack);
        QVERIFY(isRed(image.pixel(363, 179)));
        QVERIFY(isRed(image.pixel(357, 179)));
        QCOMPARE(image.pixel(366, 179), kWhite);
        // The box starts at x + 3 and y + 4: just left of the text, half black.
        const QRgb boxPixel = image.pixel(364, g.mapHeight - 186);
        if (label.isEmpty())
            QCOMPARE(boxPixel, kWhite);
        else
            QVERIFY(qAbs(qRed(boxPixel) - 127) <= 2);
    }

    void squareHidesTheGridLineBeneath()
    {
        const MapGeometry g = kSmallPreset;
        const QImage day = drawn(g, kBlack, [](QPainter &) {});
        const std::vector<uint8_t> night(size_t(g.mapWidth) * g.mapHeight * 3, 0);
        MapScene scene;
        scene.geometry = g;
        scene.boundsWidth = float(g.mapWidth);
        scene.viewHeight = g.mapHeight;
        scene.instant = {2007, 3, 21, 12, 0, 0};
        scene.dayImage = &day;
        scene.nightSamples = night;
        scene.showLatLonGrid = true;
        scene.showLocations = true;
        // On the line of 20 E (x = 400), at the equator's whole-pixel square.
        scene.locationPlaces = {{0.25f, 20.25f}};
        scene.markerX = 100.0f;
        scene.markerY = 300.0f;
        scene.labelStyle = labelTextStyle();
        scene.smallStyle = smallTextStyle();

        const QImage image =
            drawn(g, kBlack, [&](QPainter &painter) { MapRenderer().render(painter, scene); });
        QCOMPARE(image.pixel(400, 179), kYellow);
        QCOMPARE(image.pixel(399, 179), kYellow);
        // Elsewhere the line shows.
        QVERIFY(qRed(image.pixel(399, 100)) > 0 || qRed(image.pixel(400, 100)) > 0);
    }

    void imagePairByBoundsWidth_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("night");
        QTest::newRow("720.0 -> small pair") << 720.0f << "EarthMap720"
                                             << "NightMap720";
        QTest::newRow("720.9 -> small pair") << 720.9f << "EarthMap720"
                                             << "NightMap720";
        QTest::newRow("721.0 -> large pair") << 721.0f << "EarthMap1440"
                                             << "NightMap1440";
        QTest::newRow("1440.0 -> large pair") << 1440.0f << "EarthMap1440"
                                              << "NightMap1440";
    }
    void imagePairByBoundsWidth()
    {
        QFETCH(float, width);
        QFETCH(QString, day);
        QFETCH(QString, night);
        QCOMPARE(MapImages::dayImageName(width), day);
        QCOMPARE(MapImages::nightImageName(width), night);
    }
};

QTEST_MAIN(TestMapLayers)
#include "tst_maplayers.moc"
