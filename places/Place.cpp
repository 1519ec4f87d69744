#include "places/Place.h"

namespace places {

ZoneGuess zoneNear(const CityList &cities, const GeoPoint &point)
{
    if (const auto city = cities.nearest(point, kZoneCityRadiusKm))
        return {cities.zone(*city), true};
    return {nauticalZone(point.longitude), true};
}

PlaceResult resolvePlace(const PlaceText &parsed, const CityList &cities)
{
    PlaceResult result;
    switch (parsed.kind) {
    case PlaceText::Kind::Invalid:
        result.problem = parsed.problem;
        return result;
    case PlaceText::Kind::Coordinates:
    case PlaceText::Kind::Locator: {
        ZoneGuess guess = zoneNear(cities, parsed.point);
        result.place = {parsed.point,   {},          std::move(guess.zone),
                        guess.inferred, parsed.kind, parsed.locatorLength};
        result.ok = true;
        return result;
    }
    case PlaceText::Kind::CityName:
        break;
    }
    if (cities.empty()) {
        result.problem = PlaceProblem::NoCityList;
        return result;
    }
    const std::vector<uint32_t> found = cities.find(parsed.name, parsed.qualifier);
    if (found.empty()) {
        result.problem = PlaceProblem::NoSuchCity;
        return result;
    }
    const uint32_t city = found.front();
    result.place = {cities.place(city), cities.nameFoundBy(city, parsed.name), cities.zone(city),
                    false, PlaceText::Kind::CityName};
    result.ok = true;
    return result;
}

PlaceResult resolvePlace(std::string_view text, const CityList &cities)
{
    return resolvePlace(parsePlaceText(text), cities);
}

} // namespace places
