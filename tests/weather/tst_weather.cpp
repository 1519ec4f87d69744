// Cloud maps and aurora forecasts, made here: their readers on good and bad
// files, the layers' pixels against their formulas, and the aurora's rule.
#include "TestResources.h"
#include "model/MapModel.h"
#include "model/SkyTexts.h"
#include "model/WeatherTexts.h"
#include "platform/Clock.h"
#include "platform/Resources.h"
#include "platform/WeatherFiles.h"
#include "render/FrameRenderer.h"
#include "render/RasterBlend.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTest>

#include <functional>

namespace {
const QDateTime kEquinox(QDate(2007, 3, 21), QTime(12, 0), QTimeZone::utc());

/// The grey of a block of the test's cloud map.
int blockGrey(int column, int row)
{
    return 60 + 15 * ((column + 5 * row) % 13);
}

/// A grey world map of 30-degree blocks, each its own grey, below and above
/// the clouds' threshold.
QImage blockClouds(int width)
{
    QImage image(width, width / 2, QImage::Format_Grayscale8);
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < width; ++column)
            image.scanLine(row)[column] =
                uchar(blockGrey(column * 12 / width, row * 6 / image.height()));
    return image;
}

QByteArray encoded(const QImage &image, const char *format, const QString &comment = {})
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!comment.isEmpty())
        writer.setText(QStringLiteral("Description"), comment);
    writer.write(image);
    return bytes;
}

/// An OVATION forecast in its JSON form with the value the function gives
/// each point, longitudes outer and latitudes inner as NOAA writes them.
QByteArray ovation(const std::function<int(int, int)> &value)
{
    QByteArray json = "{\"Observation Time\": \"2024-05-10T22:43:00Z\", \"Forecast Time\": "
                      "\"2024-05-10T23:43:00Z\", \"Data Format\": \"[Longitude, Latitude, "
                      "Aurora]\", \"coordinates\": [";
    for (int longitude = 0; longitude < 360; ++longitude)
        for (int latitude = -90; latitude <= 90; ++latitude)
            json += (longitude || latitude > -90 ? ", [" : "[") + QByteArray::number(longitude) +
                    ", " + QByteArray::number(latitude) + ", " +
                    QByteArray::number(value(longitude, latitude)) + "]";
    return json + "]}";
}

/// 50 over Scandinavia and the sea north of it, 10 (the threshold, not above
/// it) at one point south of New Zealand, 0 elsewhere.
int scandinavia(int longitude, int latitude)
{
    if (latitude >= 65 && latitude <= 75 && longitude <= 40)
        return 50;
    return longitude == 170 && latitude == -55 ? 10 : 0;
}

std::shared_ptr<const weather::AuroraForecast> forecastOf(const std::function<int(int, int)> &value)
{
    return parseAuroraForecast(ovation(value)).forecast;
}

std::shared_ptr<weather::CloudMap> uniformClouds(uint8_t grey)
{
    return std::make_shared<weather::CloudMap>(64, 32, std::vector<uint8_t>(64 * 32, grey));
}

/// A grid's value at a place, sampled as the layers sample it.
template <typename Grid, typename Sample>
float sampled(const Grid &grid, Sample sample, const GeoPoint &place)
{
    const sphere::Vector v = sphere::unitVector(place);
    return sample(grid, float(v[0]), float(v[1]), float(v[2]));
}

struct Scene
{
    QTemporaryDir dir;
    ManualClock clock{kEquinox};
    std::unique_ptr<Resources> resources;
    std::unique_ptr<MapModel> model;
    std::unique_ptr<FrameRenderer> renderer;
    Scene()
    {
        QVERIFY(makeTestResources(dir, {{"UTC", 51.4769, -0.0005}}));
        resources = std::make_unique<Resources>(dir.path());
        model = std::make_unique<MapModel>(TimeZoneTable::load(*resources), clock);
        model->setShownInstant(kEquinox);
        renderer = std::make_unique<FrameRenderer>(*resources);
        for (const bool night : {false, true}) {
            QImage image(64, 32, QImage::Format_RGB32);
            image.fill(night ? qRgb(10, 20, 40) : qRgb(40, 120, 60));
            night ? renderer->images().setCustomNightImage(image)
                  : renderer->images().setCustomDayImage(image);
        }
    }
};
} // namespace

class TestWeather : public QObject
{
    Q_OBJECT

private slots:
    void cloudReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("made");
        QTest::addColumn<QString>("error");
        const QImage map = blockClouds(360);
        const QByteArray jpeg = encoded(map, "jpeg", "Made 2024-04-08 12:30 UTC from satellites");
        QTest::newRow("png, its file's time") << encoded(map, "png") << qint64(1000) << "";
        QTest::newRow("jpeg, its comment's time") << jpeg << qint64(1712579400) << "";
        QTest::newRow("jpeg, seconds in the comment")
            << encoded(map, "jpeg", "2024-04-08T12:30:05Z") << qint64(1712579405) << "";
        QTest::newRow("jpeg, no date in the comment")
            << encoded(map, "jpeg", "clouds 2024-02-30 12:00") << qint64(1000) << "";
        QTest::newRow("colour taken as grey")
            << encoded(map.convertToFormat(QImage::Format_RGB32), "png") << qint64(1000) << "";
        QTest::newRow("cut short") << jpeg.left(jpeg.size() / 2) << qint64(0) << "ends early";
        QTest::newRow("3:2") << encoded(map.copy(0, 0, 270, 180), "png") << qint64(0)
                             << "this one is 270x180, not twice as wide as high";
        QTest::newRow("tiny") << encoded(blockClouds(40), "png") << qint64(0) << "too small";
        QTest::newRow("text") << QByteArray("clouds") << qint64(0) << "not a JPEG or PNG image";
        QTest::newRow("empty") << QByteArray() << qint64(0) << "not a JPEG or PNG image";
    }
    void cloudReader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, made);
        QFETCH(QString, error);
        const CloudMapReading reading = parseCloudMap(bytes, 1000);
        QVERIFY2((error.isEmpty() ? reading.error.isEmpty() : reading.error.endsWith(error)) &&
                     !reading.error.contains('\n'),
                 qPrintable(reading.error));
        QCOMPARE(bool(reading.map), error.isEmpty());
        if (!reading.map)
            return;
        QCOMPARE(reading.map->madeUnixSeconds, made);
        // A block's middle as it was written (JPEG within a few steps).
        QVERIFY(std::fabs(sampled(*reading.map, weather::cloudGreyAt, {45.0, -75.0}) -
                          blockGrey(3, 1)) <= 3.0f);
    }

    void auroraReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray good = ovation(scandinavia);
        const auto with = [&](const char *from, const char *to) {
            return QByteArray(good).replace(from, to);
        };
        QTest::newRow("good") << good << "";
        QTest::newRow("cut short") << good.left(5000) << "not JSON: ";
        QTest::newRow("empty") << QByteArray() << "not JSON: ";
        QTest::newRow("a list") << QByteArray("[]")
                                << "no \"Observation Time\" as an ISO 8601 time";
        QTest::newRow("no forecast time")
            << with("Forecast Time", "Forecast") << "no \"Forecast Time\" as an ISO 8601 time";
        QTest::newRow("time in words") << with("2024-05-10T23:43:00Z", "tomorrow")
                                       << "no \"Forecast Time\" as an ISO 8601 time";
        QTest::newRow("no points") << with("coordinates", "points") << "no \"coordinates\" list";
        QTest::newRow("a point short")
            << with("[0, -90, 0], ", "") << "\"coordinates\" holds 65159 points, not 65160";
        QTest::newRow("longitude 360") << with("[0, -90, 0]", "[360, -90, 0]")
                                       << "point 1 of \"coordinates\": its longitude is not a "
                                          "whole number from 0 to 359";
        QTest::newRow("half a degree") << with("[0, -89, 0]", "[0, -89.5, 0]")
                                       << "point 2 of \"coordinates\": its latitude is not a whole "
                                          "number from -90 to 90";
        QTest::newRow("value 101") << with("[0, -90, 0]", "[0, -90, 101]")
                                   << "point 1 of \"coordinates\": its value is not from 0 to 100";
        QTest::newRow("a point twice") << with("[0, -89, 0]", "[0, -90, 0]")
                                       << "point 2 of \"coordinates\": it is given twice";
        QTest::newRow("a pair") << with("[0, -90, 0]", "[0, -90]")
                                << "point 1 of \"coordinates\" is not [longitude, latitude, value]";
        QTest::newRow("a text") << with("[0, -90, 0]", "[0, -90, \"0\"]")
                                << "point 1 of \"coordinates\" is not [longitude, latitude, value]";
        QTest::newRow("too large")
            << QByteArray(17 << 20, ' ') << "larger than 16 MB, not an aurora forecast";
    }
    void auroraReader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const AuroraReading reading = parseAuroraForecast(bytes);
        QVERIFY2((error.isEmpty() ? reading.error.isEmpty() : reading.error.startsWith(error)) &&
                     !reading.error.contains('\n'),
                 qPrintable(reading.error));
        QCOMPARE(bool(reading.forecast), error.isEmpty());
        if (!reading.forecast)
            return;
        QCOMPARE(reading.forecast->observedUnixSeconds, 1715380980);
        QCOMPARE(reading.forecast->forecastUnixSeconds, 1715384580);
        // Half way between 50 at 65° N and 0 at 64° N; and across the 0° meridian.
        QVERIFY(std::fabs(sampled(*reading.forecast, weather::auroraAt, {64.5, 20.0}) - 25.0f) <
                0.01f);
        QVERIFY(std::fabs(sampled(*reading.forecast, weather::auroraAt, {70.0, -0.25}) - 37.5f) <
                0.01f);
    }

    // The layers' pixels at the middles of the cloud map's blocks, or along
    // the aurora's band, against the frame without them and the formulas.
    void layerPixels_data()
    {
        QTest::addColumn<int>("layer");
        QTest::addColumn<int>("view");
        QTest::addColumn<double>("centreLongitude");
        QTest::newRow("clouds, classic map") << int(MapLayer::Clouds) << -1 << 0.0;
        QTest::newRow("clouds, globe over the terminator")
            << int(MapLayer::Clouds) << int(MapView::Globe) << 90.0;
        QTest::newRow("aurora, classic map") << int(MapLayer::Aurora) << -1 << 0.0;
        QTest::newRow("aurora, globe over the terminator")
            << int(MapLayer::Aurora) << int(MapView::Globe) << 90.0;
    }
    void layerPixels()
    {
        QFETCH(int, layer);
        QFETCH(int, view);
        QFETCH(double, centreLongitude);
        Scene scene;
        MapModel &model = *scene.model;
        const bool clouds = MapLayer(layer) == MapLayer::Clouds;
        const GeoPoint centre{clouds ? 0.0 : 60.0, centreLongitude};
        if (view >= 0) {
            model.setView(MapView(view));
            model.setChosenCentre(centre);
        }
        clouds ? model.setClouds(parseCloudMap(encoded(blockClouds(720), "png"), 0).map)
               : model.setAurora(forecastOf([](int, int lat) { return lat >= 50 ? 30 : 0; }));
        const QSize size(720, 360);
        model.setLayerShown(MapLayer(layer), false);
        const QImage before = scene.renderer->render(model, size).copy();
        model.setLayerShown(MapLayer(layer), true);
        const QImage &after = scene.renderer->render(model, size);
        const MapFrame frame = mapFrameFor(model, size);
        const sphere::Vector sun = sphere::unitVector(astro::subsolarPoint(utcInstant(kEquinox)));
        int checked = 0, changed = 0;
        for (int i = 0; i < 12; ++i)
            for (int j = 0; j < (clouds ? 6 : 1); ++j) {
                const GeoPoint place{clouds ? 75.0 - 30.0 * j : 67.0, -165.0 + 30.0 * i};
                const sphere::Vector v = sphere::unitVector(place);
                const auto at = frame.toFrame(place);
                // Off the globe's rim, whose pixels show space in part.
                const sphere::Vector middle = sphere::unitVector(centre);
                if (!at ||
                    (view >= 0 && v[0] * middle[0] + v[1] * middle[1] + v[2] * middle[2] < 0.3))
                    continue;
                const QPoint pixel(int(at->x), int(at->y));
                const float sunSin = float(v[0] * sun[0] + v[1] * sun[1] + v[2] * sun[2]);
                const uint32_t colour =
                    clouds ? weather::cloudColour(weather::cloudOpacity({}, float(blockGrey(i, j))),
                                                  weather::cloudLight(sunSin))
                           : weather::auroraColour(30.0f, 10.0f, weather::auroraDarkness(sunSin));
                const QRgb expected = blendOver(before.pixel(pixel), colour);
                const QRgb got = after.pixel(pixel);
                ++checked;
                changed += got != before.pixel(pixel);
                if (!clouds && sunSin > 0.0f) // the aurora by night only
                    QCOMPARE(got, before.pixel(pixel));
                int worst = 0;
                for (const int shift : {0, 8, 16})
                    worst = std::max(worst, std::abs(int((got >> shift) & 0xff) -
                                                     int((expected >> shift) & 0xff)));
                QVERIFY2(worst <= 3, qPrintable(QStringLiteral("%1 for %2 at %3, %4")
                                                    .arg(got, 8, 16)
                                                    .arg(expected, 8, 16)
                                                    .arg(place.latitude)
                                                    .arg(place.longitude)));
            }
        QVERIFY(checked >= 6 && changed >= 3);
    }

    void auroraRule_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("sunAltitude");
        QTest::addColumn<int>("cloudGrey"); // -1: no cloud map
        QTest::addColumn<int>("sight");
        using S = weather::AuroraSight;
        QTest::newRow("overhead, dark") << 70.0 << 20.0 << -20.0 << -1 << int(S::Overhead);
        QTest::newRow("just dark enough") << 70.0 << 20.0 << -12.5 << -1 << int(S::Overhead);
        QTest::newRow("twilight") << 70.0 << 20.0 << -8.0 << -1 << int(S::TooLight);
        QTest::newRow("445 km south: horizon") << 61.0 << 20.0 << -20.0 << -1 << int(S::OnHorizon);
        QTest::newRow("across 0 degrees: horizon")
            << 70.0 << -3.0 << -20.0 << -1 << int(S::OnHorizon);
        QTest::newRow("1100 km south: none") << 55.0 << 20.0 << -20.0 << -1 << int(S::TooWeak);
        QTest::newRow("at the threshold: none") << -55.0 << 170.0 << -20.0 << -1 << int(S::TooWeak);
        QTest::newRow("cloudy") << 70.0 << 20.0 << -20.0 << 200 << int(S::Cloudy);
        QTest::newRow("clear on the cloud map") << 70.0 << 20.0 << -20.0 << 90 << int(S::Overhead);
        QTest::newRow("cloudy and light") << 70.0 << 20.0 << -5.0 << 200 << int(S::TooLight);
    }
    void auroraRule()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, sunAltitude);
        QFETCH(int, cloudGrey);
        QFETCH(int, sight);
        static const auto forecast = forecastOf(scandinavia);
        const auto clouds = uniformClouds(uint8_t(std::max(cloudGrey, 0)));
        const weather::AuroraVerdict verdict =
            weather::auroraVerdict(*forecast, {latitude, longitude}, sunAltitude, 10.0,
                                   cloudGrey < 0 ? nullptr : clouds.get(), {});
        QCOMPARE(int(verdict.sight), sight);
        QCOMPARE(verdict.visible(), sight <= int(weather::AuroraSight::OnHorizon));
    }

    // The ages in the corner and the JSON, at the shown instant.
    void ages_data()
    {
        QTest::addColumn<qint64>("cloudsAge");
        QTest::addColumn<qint64>("auroraAge");
        QTest::addColumn<QString>("texts");
        QTest::newRow("fresh") << qint64(7800) << qint64(2100)
                               << "Clouds 2 h 10 min old|Aurora 35 min old";
        QTest::newRow("ahead, stale clouds") << qint64(12 * 3600 + 60) << qint64(-1200)
                                             << "Clouds 12 h 1 min old!|Aurora forecast for 20 "
                                                "min ahead";
        QTest::newRow("days") << qint64(3 * 86400 + 4 * 3600) << qint64(3 * 3600 + 1)
                              << "Clouds 3 d 4 h old!|Aurora 3 h 0 min old!";
        QTest::newRow("under a minute ahead")
            << qint64(0) << qint64(-59) << "Clouds 0 min old|Aurora 0 min old";
    }
    void ages()
    {
        QFETCH(qint64, cloudsAge);
        QFETCH(qint64, auroraAge);
        QFETCH(QString, texts);
        Scene scene;
        scene.model->setLayerShown(MapLayer::Clouds, true);
        scene.model->setLayerShown(MapLayer::Aurora, true);
        const qint64 now = kEquinox.toSecsSinceEpoch();
        auto clouds = uniformClouds(0);
        clouds->madeUnixSeconds = now - cloudsAge;
        auto aurora = std::make_shared<weather::AuroraForecast>(*forecastOf(scandinavia));
        aurora->forecastUnixSeconds = now - auroraAge;
        scene.model->setClouds(clouds);
        scene.model->setAurora(aurora);
        QStringList shown;
        for (const WeatherAge &age : weatherAges(*scene.model, kEquinox))
            shown << age.text + (age.stale ? "!" : "");
        QCOMPARE(shown.join('|'), texts);
        QJsonObject json;
        insertWeatherJson(json, *scene.model);
        QCOMPARE(json["clouds"].toObject()["age_seconds"].toInteger(), cloudsAge);
        QCOMPARE(json["aurora"].toObject()["stale"].toBool(), texts.endsWith('!'));
    }
};

QTEST_MAIN(TestWeather)
#include "tst_weather.moc"
