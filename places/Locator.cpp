#include "places/Locator.h"

#include <algorithm>
#include <cmath>

namespace places {

namespace {

// Each pair of characters: the first letter or digit, how many there are,
// and the size of one step in longitude (latitude is half of it).
struct Pair
{
    char first;
    int count;
    double lonStep;
};
constexpr Pair kPairs[] = {
    {'A', 18, 20.0}, {'0', 10, 2.0}, {'A', 24, 2.0 / 24.0}, {'0', 10, 2.0 / 240.0}};

} // namespace

std::optional<GeoPoint> locatorCentre(std::string_view locator)
{
    const size_t length = locator.size();
    if (length != 4 && length != 6 && length != 8)
        return std::nullopt;
    double lon = -180.0;
    double lat = -90.0;
    for (size_t i = 0; i < length; i += 2) {
        const Pair &pair = kPairs[i / 2];
        int indices[2];
        for (size_t j = 0; j < 2; ++j) {
            char c = locator[i + j];
            if (pair.first == 'A' && c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
            indices[j] = c - pair.first;
            if (indices[j] < 0 || indices[j] >= pair.count)
                return std::nullopt;
        }
        lon += indices[0] * pair.lonStep;
        lat += indices[1] * pair.lonStep / 2.0;
    }
    const double lonStep = kPairs[length / 2 - 1].lonStep;
    return GeoPoint{lat + lonStep / 4.0, lon + lonStep / 2.0};
}

std::string locatorOf(const GeoPoint &place, int length)
{
    // Fractions of the whole grid; the poles and 180 degrees east, at its
    // edge, fall in the last square of each pair.
    if (!std::isfinite(place.latitude) || !std::isfinite(place.longitude))
        return {};
    double lon = std::clamp((place.longitude + 180.0) / 360.0, 0.0, 1.0);
    double lat = std::clamp((place.latitude + 90.0) / 180.0, 0.0, 1.0);
    std::string text;
    for (int i = 0; i < length / 2 && i < 4; ++i) {
        const Pair &pair = kPairs[i];
        const int first = pair.first == 'A' && i > 0 ? 'a' : pair.first;
        lon *= pair.count;
        lat *= pair.count;
        const int lonIndex = std::min(int(lon), pair.count - 1);
        const int latIndex = std::min(int(lat), pair.count - 1);
        text += char(first + lonIndex);
        text += char(first + latIndex);
        lon -= lonIndex;
        lat -= latIndex;
    }
    return text;
}

} // namespace places
