#include "places/Place.h"

#include "places/PlaceProblem.h"
#include "places/PlaceText.h"

namespace places {

ZoneGuess zoneNear(const CityList &cities, const GeoPoint &point)
{
    if (const auto city = cities.nearest(point, kZoneCityRadiusKm))
        return {cities.zone(*city), true};
    return {nauticalZone(point.longitude), true};
}

PlaceResult resolvePlace(std::string_view text, const CityList &cities)
{
    PlaceResult result;
    const PlaceText parsed = parsePlaceText(text);
    switch (parsed.kind) {
    case PlaceText::Kind::Invalid:
        result.problem = parsed.name;
        return result;
    case PlaceText::Kind::Coordinates:
    case PlaceText::Kind::Locator: {
        ZoneGuess guess = zoneNear(cities, parsed.point);
        result.place = {parsed.point, {}, std::move(guess.zone), guess.inferred};
        result.ok = true;
        return result;
    }
    case PlaceText::Kind::CityName:
        break;
    }
    if (cities.empty()) {
        result.problem = problemWith(
            QT_TRANSLATE_NOOP("PlaceProblem", "city names are unavailable without the city list"),
            text);
        return result;
    }
    const std::vector<uint32_t> found = cities.find(parsed.name, parsed.qualifier);
    if (found.empty()) {
        result.problem =
            problemWith(QT_TRANSLATE_NOOP("PlaceProblem", "no city of that name"), text);
        return result;
    }
    const uint32_t city = found.front();
    result.place = {cities.place(city), cities.nameFoundBy(city, parsed.name), cities.zone(city),
                    false};
    result.ok = true;
    return result;
}

} // namespace places
