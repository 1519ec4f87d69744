#include "places/CityList.h"
#include "places/GreatCircle.h"
#include "places/Locator.h"
#include "places/Place.h"
#include "places/PlaceText.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <fstream>

using namespace places;
using Kind = PlaceText::Kind;

class TestPlaces : public QObject
{
    Q_OBJECT

private slots:
    // A locator names its square's centre; a place gives the locator of its square, the poles
    // and 180 degrees east in the grid's last row or column.
    void locatorsBothWays()
    {
        const std::tuple<const char *, const char *, double, double> rows[] = {
            {"jo62", "JO62", 52.5, 13.0},
            {"JO62QM", "JO62qm", 52.5 + 1.0 / 48, 13.0 + 1.0 / 3 + 1.0 / 24},
            {"JO62qm45", "JO62qm45", 52.5 + 11.0 / 480, 13.0 + 1.0 / 3 + 9.0 / 240},
            {"AA00aa", "AA00aa", -90.0 + 1.0 / 48, -180.0 + 1.0 / 24},
            {"RR99xx", "RR99xx", 90.0 - 1.0 / 48, 180.0 - 1.0 / 24},
            {nullptr, "JR09ax", 90.0, 0.0},
            {nullptr, "JA00aa", -90.0, 0.0},
            {nullptr, "RJ90xa", 0.0, 180.0},
            {nullptr, "AJ00aa", 0.0, -180.0}};
        for (const auto &[text, canonical, lat, lon] : rows) {
            const std::string expected = canonical;
            QCOMPARE(locatorOf({lat, lon}, int(expected.size())), expected);
            if (!text)
                continue;
            const auto centre = locatorCentre(text);
            QVERIFY2(centre, text);
            QVERIFY2(std::fabs(centre->latitude - lat) < 1e-9, text);
            QVERIFY2(std::fabs(centre->longitude - lon) < 1e-9, text);
        }
    }

    void placeTextForms()
    {
        const double no = std::nan("");
        using P = PlaceProblem;
        const std::tuple<const char *, Kind, double, double, P> rows[] = {
            {"52.52,13.40", Kind::Coordinates, 52.52, 13.40, P::None},
            {" -33.87 , +151.21 ", Kind::Coordinates, -33.87, 151.21, P::None},
            {"-90,-180", Kind::Coordinates, -90.0, -180.0, P::None},
            {"40\u00b0 42' 51\" N, 74\u00b0  0' 23\" W", Kind::Coordinates, 40.714167, -74.006389,
             P::None},
            {"Latitude:  33\u00b0 52' S Longitude: 151\u00b0 12' 36\" E", Kind::Coordinates,
             -33.866667, 151.21, P::None},
            {"jo62QM", Kind::Locator, 52.520833, 13.375, P::None},
            {"Paris, Texas", Kind::CityName, no, no, P::None},
            {"Москва", Kind::CityName, no, no, P::None},
            {"JO6", Kind::Invalid, no, no, P::NotLocator},
            {"JO62q", Kind::Invalid, no, no, P::NotLocator},
            {"ZZ00", Kind::Invalid, no, no, P::NotLocator},
            {"JO62qm4", Kind::Invalid, no, no, P::NotLocator},
            {"JO62qz", Kind::Invalid, no, no, P::NotLocator},
            {"91,0", Kind::Invalid, no, no, P::CoordinatesOutOfRange},
            {"0,181", Kind::Invalid, no, no, P::CoordinatesOutOfRange},
            {"52.5;13.4", Kind::Invalid, no, no, P::NotDecimalDegrees},
            {"NaN,1", Kind::Invalid, no, no, P::CoordinatesNotNumbers},
            {"1,inf", Kind::Invalid, no, no, P::CoordinatesNotNumbers},
            {"52.5,", Kind::Invalid, no, no, P::NotDecimalDegrees},
            {" ", Kind::Invalid, no, no, P::NoPlaceGiven},
            {", FR", Kind::Invalid, no, no, P::NoCityNameGiven},
            {"40\u00b0 42' N", Kind::Invalid, no, no, P::NotDegreesMinutes},
            {"40\u00b0 61' N, 3\u00b0 E", Kind::Invalid, no, no, P::NotDegreesMinutes},
            {"3\u00b0 E, 40\u00b0 N", Kind::Invalid, no, no, P::NotDegreesMinutes}};
        for (const auto &[text, kind, lat, lon, problem] : rows) {
            const PlaceText parsed = parsePlaceText(text);
            QVERIFY2(parsed.kind == kind, text);
            QVERIFY2(parsed.problem == problem, text);
            if (!std::isnan(lat)) {
                QVERIFY2(std::fabs(parsed.point.latitude - lat) < 1e-6, text);
                QVERIFY2(std::fabs(parsed.point.longitude - lon) < 1e-6, text);
            }
        }
        const PlaceText city = parsePlaceText(" Paris ,  Texas ");
        QCOMPARE(city.name + "|" + city.qualifier, "Paris|Texas");
    }

    // Names in any case, with or without accents, in other languages; a country or region
    // narrows them; the most populous comes first.
    void citiesByName()
    {
        const CityList &list = CityList::shared();
        QVERIFY2(!list.empty(), list.loadError().c_str());
        const std::tuple<const char *, const char *, const char *, const char *> rows[] = {
            {"MÜNCHEN", "", "Munich", "Europe/Berlin"},
            {"Muenchen", "", "Munich", "Europe/Berlin"},
            {"munich", "de", "Munich", "Europe/Berlin"},
            {"МОСКВА", "", "Moscow", "Europe/Moscow"},
            {"SÃO PAULO", "", "São Paulo", "America/Sao_Paulo"},
            {"Paris", "", "Paris", "Europe/Paris"},
            {"Paris", "Texas", "Paris", "America/Chicago"},
            {"paris", "tx", "Paris", "America/Chicago"},
            {"Springfield", "", "Springfield", "America/Chicago"},
            {"Springfield", "Massachusetts", "Springfield", "America/New_York"},
            {"Paris", "Narnia", nullptr, nullptr},
            {"Nowhereville", "", nullptr, nullptr}};
        for (const auto &[name, qualifier, found, zone] : rows) {
            const std::vector<uint32_t> cities = list.find(name, qualifier);
            QCOMPARE(cities.empty(), !found);
            for (size_t i = 1; i < cities.size(); ++i)
                QVERIFY(list.population(cities[i - 1]) >= list.population(cities[i]));
            if (found) {
                QCOMPARE(list.name(cities.front()), std::string_view(found));
                QCOMPARE(list.zone(cities.front()), std::string(zone));
            }
        }
    }

    // A city's own zone; else the nearest city's within 200 km; else the sea's by longitude
    // (the Etc zones count westward); all but the first marked inferred.
    void zonesOfPlaces()
    {
        const std::tuple<const char *, const char *, bool> rows[] = {
            {"Innsbruck, AT", "Europe/Vienna", false},
            {"47.0,11.5", "Europe/Vienna", true},
            {"JO62qm", "Europe/Berlin", true},
            {"0,-140", "Etc/GMT+9", true},
            {"-80,135", "Etc/GMT-9", true},
            {"0,0", "Etc/GMT", true},
            {"-60,7.4", "Etc/GMT", true},
            {"-60,-7.6", "Etc/GMT+1", true},
            {"-60,180", "Etc/GMT-12", true},
            {"-60,-180", "Etc/GMT+12", true}};
        for (const auto &[text, zone, inferred] : rows) {
            const PlaceResult result = resolvePlace(text, CityList::shared());
            QVERIFY2(result.ok, text);
            QCOMPARE(result.place.zone, std::string(zone));
            QCOMPARE(result.place.zoneInferred, inferred);
        }
        // The form typed travels with the place, which it names.
        const Place locator = resolvePlace(" jo62 ", CityList::shared()).place;
        QVERIFY(locator.kind == Kind::Locator && locator.locatorLength == 4);
        QVERIFY(resolvePlace("Paris", CityList::shared()).place.kind == Kind::CityName);
        QCOMPARE(resolvePlace("Nowhereville", CityList::shared()).problem,
                 PlaceProblem::NoSuchCity);
    }

    // Without the list the city forms fail with a reason and the others still work.
    void missingOrCorruptList()
    {
        QTemporaryDir dir;
        const std::string corrupt = dir.filePath("cities.txt").toStdString();
        std::ofstream(corrupt)
            << "1\tA\tA\t\tnorth\t1\tP\tPPL\tFR\t\t1\t\t\t\t20000\t\t1\tEurope/Paris\n";
        for (const std::string &path : {corrupt, dir.filePath("none").toStdString()}) {
            const CityList list = CityList::load(path);
            QVERIFY(list.empty() && !list.loadError().empty());
            QCOMPARE(resolvePlace("Paris", list).problem, PlaceProblem::NoCityList);
            QCOMPARE(resolvePlace("52.5,13.4", list).place.zone, "Etc/GMT-1");
        }
    }

    // GeographicLib's published examples: JFK to Heathrow, Wellington to Salamanca.
    void pathsOnTheEllipsoid()
    {
        const std::tuple<GeoPoint, GeoPoint, double, double, double> rows[] = {
            {{40.6, -73.8}, {51.6, -0.5}, 5551.759400319, 51.198883, 107.821777},
            {{-41.32, 174.81}, {40.96, -5.50}, 19959.679267354, 161.067670, 18.825195}};
        for (const auto &[from, to, km, azimuth1, azimuth2] : rows) {
            const GreatCirclePath path = greatCirclePath(from, to);
            QVERIFY(std::fabs(path.shortDistanceKm - km) < 0.001);
            QVERIFY(std::fabs(path.shortBearingDeg - azimuth1) < 0.001);
            QVERIFY(std::fabs(path.reverseBearingDeg - (azimuth2 + 180.0)) < 0.001);
            QVERIFY(std::fabs(path.longBearingDeg - (azimuth1 + 180.0)) < 0.001);
            QVERIFY(std::fabs(path.longDistanceKm - (40030.17 - km)) < 0.001);
            // The drawn path's samples on that geodesic: one off it by a few
            // kilometres, as a sphere's great circle is, makes the way longer.
            const std::vector<GeoPoint> samples = pathSamples(from, to, false);
            const GeoPoint &middle = samples[samples.size() / 2];
            QVERIFY(std::fabs(greatCirclePath(from, middle).shortDistanceKm +
                              greatCirclePath(middle, to).shortDistanceKm - km) < 1e-6);
            // The long path leaves along the short one's bearing turned round.
            QVERIFY(
                std::fabs(greatCirclePath(from, pathSamples(from, to, true)[1]).shortBearingDeg -
                          path.longBearingDeg) < 0.001);
        }
    }
};

QTEST_APPLESS_MAIN(TestPlaces)
#include "tst_places.moc"
