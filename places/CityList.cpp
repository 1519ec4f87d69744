#include "places/CityList.h"

#include "astro/Sphere.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numbers>
#include <unordered_map>

namespace places {

namespace {

// The base letters of U+00C0 to U+017F; '*' marks the few of two letters.
constexpr std::string_view kLatinBase = "aaaaaa*ceeeeiiiidnooooo*ouuuuy**"
                                        "aaaaaa*ceeeeiiiidnooooo*ouuuuy*y"
                                        "aaaaaaccccccccddddeeeeeeeeeegggg"
                                        "gggghhhhiiiiiiiiii**jjkkklllllll"
                                        "lllnnnnnnnnnoooooo**rrrrrrssssss"
                                        "ssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

std::string_view twoLetterBase(char32_t c)
{
    switch (c) {
    case 0xC6:
    case 0xE6:
        return "ae";
    case 0xDE:
    case 0xFE:
        return "th";
    case 0xDF:
        return "ss";
    case 0x132:
    case 0x133:
        return "ij";
    case 0x152:
    case 0x153:
        return "oe";
    default:
        return {}; // × and ÷ stay
    }
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

uint32_t nameHash(std::string_view s)
{
    uint32_t h = 2166136261u; // FNV-1a
    for (const char c : s)
        h = (h ^ uint8_t(c)) * 16777619u;
    return h;
}

// GeoNames codes the states of the United States by their postal codes.
struct State
{
    const char *code, *name;
} constexpr kStates[] = {
    {"AL", "alabama"},        {"AK", "alaska"},         {"AZ", "arizona"},
    {"AR", "arkansas"},       {"CA", "california"},     {"CO", "colorado"},
    {"CT", "connecticut"},    {"DE", "delaware"},       {"DC", "district of columbia"},
    {"FL", "florida"},        {"GA", "georgia"},        {"HI", "hawaii"},
    {"ID", "idaho"},          {"IL", "illinois"},       {"IN", "indiana"},
    {"IA", "iowa"},           {"KS", "kansas"},         {"KY", "kentucky"},
    {"LA", "louisiana"},      {"ME", "maine"},          {"MD", "maryland"},
    {"MA", "massachusetts"},  {"MI", "michigan"},       {"MN", "minnesota"},
    {"MS", "mississippi"},    {"MO", "missouri"},       {"MT", "montana"},
    {"NE", "nebraska"},       {"NV", "nevada"},         {"NH", "new hampshire"},
    {"NJ", "new jersey"},     {"NM", "new mexico"},     {"NY", "new york"},
    {"NC", "north carolina"}, {"ND", "north dakota"},   {"OH", "ohio"},
    {"OK", "oklahoma"},       {"OR", "oregon"},         {"PA", "pennsylvania"},
    {"RI", "rhode island"},   {"SC", "south carolina"}, {"SD", "south dakota"},
    {"TN", "tennessee"},      {"TX", "texas"},          {"UT", "utah"},
    {"VT", "vermont"},        {"VA", "virginia"},       {"WA", "washington"},
    {"WV", "west virginia"},  {"WI", "wisconsin"},      {"WY", "wyoming"},
};

template <typename T> bool parseNumber(std::string_view s, T &value)
{
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return !s.empty() && error == std::errc() && end == s.data() + s.size();
}

} // namespace

std::string foldedName(std::string_view name)
{
    std::string out;
    out.reserve(name.size());
    for (size_t i = 0; i < name.size();) {
        const auto byte = uint8_t(name[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        if (byte < 0xC0 && byte >= 0x80) { // a stray continuation byte
            ++i;
            continue;
        }
        char32_t c = length == 1 ? byte : byte & (0x3F >> (length - 1));
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (i + k < name.size() ? uint8_t(name[i + k]) & 0x3F : 0);
        i += size_t(length);
        if (c >= 'A' && c <= 'Z')
            c += 0x20;
        else if (c >= 0x391 && c <= 0x3A9)
            c += 0x20; // Greek
        else if (c >= 0x410 && c <= 0x42F)
            c += 0x20; // Cyrillic
        else if (c >= 0x400 && c <= 0x40F)
            c += 0x50;
        else if (c == 0x218 || c == 0x219)
            c = 's'; // Romanian comma below
        else if (c == 0x21A || c == 0x21B)
            c = 't';
        if (c >= 0x300 && c <= 0x36F)
            continue; // a combining mark on its own
        if (c >= 0xC0 && c < 0x180) {
            const char base = kLatinBase[c - 0xC0];
            if (base != '*')
                out += base;
            else if (const std::string_view two = twoLetterBase(c); !two.empty())
                out += two;
            else
                appendUtf8(out, c);
            continue;
        }
        appendUtf8(out, c);
    }
    return out;
}

const CityList &CityList::shared()
{
    static const CityList list = load(kDefaultPath);
    return list;
}

CityList CityList::load(const std::string &path)
{
    CityList list;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        list.error_ = "cannot read the city list " + path;
        return list;
    }
    const auto fail = [&](size_t line) {
        CityList failed;
        failed.error_ = "the city list " + path + " is corrupt at line " + std::to_string(line);
        return failed;
    };
    std::unordered_map<std::string, uint16_t> zoneIndex;
    std::vector<std::string> folded;
    std::string line;
    size_t lineNumber = 0;
    while (std::getline(file, line)) {
        ++lineNumber;
        std::string_view fields[19];
        size_t count = 0;
        for (size_t start = 0; count < std::size(fields);) {
            const size_t tab = std::min(line.find('\t', start), line.size());
            fields[count++] = std::string_view(line).substr(start, tab - start);
            if (tab == line.size())
                break;
            start = tab + 1;
        }
        City city{};
        double lat = 0.0, lon = 0.0;
        const std::string_view zone = count > 17 ? fields[17] : std::string_view();
        if (count < 18 || fields[1].empty() || fields[1].size() > 255 ||
            !parseNumber(fields[4], lat) || !parseNumber(fields[5], lon) ||
            !(std::fabs(lat) <= 90.0) || !(std::fabs(lon) <= 180.0) ||
            !parseNumber(fields[14], city.population) || fields[8].size() != 2 || zone.empty() ||
            fields[10].size() > sizeof city.region)
            return fail(lineNumber);
        city.latitude = float(lat);
        city.longitude = float(lon);
        const sphere::Vector v = sphere::unitVector({lat, lon});
        city.x = float(v[0]);
        city.y = float(v[1]);
        city.z = float(v[2]);
        std::memcpy(city.country, fields[8].data(), 2);
        std::memcpy(city.region, fields[10].data(), fields[10].size());
        const auto [zoneIt, added] =
            zoneIndex.try_emplace(std::string(zone), uint16_t(list.zones_.size()));
        if (added)
            list.zones_.emplace_back(zone);
        city.zone = zoneIt->second;
        city.names = uint32_t(list.names_.size());
        city.nameLength = uint8_t(fields[1].size());
        if (list.cities_.size() >= 0xFFFF || list.zones_.size() >= 0xFFFF)
            return fail(lineNumber);

        folded.clear();
        folded.push_back(foldedName(fields[1]));
        folded.push_back(foldedName(fields[2]));
        for (size_t start = 0; start < fields[3].size();) {
            const size_t comma = std::min(fields[3].find(',', start), fields[3].size());
            if (comma > start)
                folded.push_back(foldedName(fields[3].substr(start, comma - start)));
            start = comma + 1;
        }
        std::sort(folded.begin(), folded.end());
        folded.erase(std::unique(folded.begin(), folded.end()), folded.end());
        list.names_ += fields[1];
        list.names_ += '\n';
        const auto cityIndex = uint32_t(list.cities_.size());
        for (const std::string &name : folded) {
            if (name.empty() || name.find('\n') != std::string::npos)
                continue;
            list.index_.push_back(uint64_t(nameHash(name)) << 32 | cityIndex);
            list.names_ += name;
            list.names_ += '\n';
        }
        list.cities_.push_back(city);
    }
    if (list.cities_.empty())
        return fail(lineNumber);
    std::sort(list.index_.begin(), list.index_.end());
    list.zonePopulations_.assign(list.zones_.size(), 0);
    for (const City &city : list.cities_)
        list.zonePopulations_[city.zone] += city.population;
    list.zonesByName_.resize(list.zones_.size());
    for (size_t i = 0; i < list.zones_.size(); ++i)
        list.zonesByName_[i] = uint16_t(i);
    std::sort(list.zonesByName_.begin(), list.zonesByName_.end(),
              [&list](uint16_t a, uint16_t b) { return list.zones_[a] < list.zones_[b]; });
    list.cities_.shrink_to_fit();
    list.names_.shrink_to_fit();
    list.index_.shrink_to_fit();
    return list;
}

std::vector<uint32_t> CityList::find(std::string_view name, std::string_view qualifier) const
{
    std::vector<uint32_t> found;
    const std::string key = foldedName(name);
    if (key.empty())
        return found;
    const std::string needle = "\n" + key + "\n";
    const std::string region = foldedName(qualifier);
    std::string stateCode;
    for (const State &state : kStates) {
        if (region == state.name)
            stateCode = state.code;
    }
    const uint64_t hash = uint64_t(nameHash(key)) << 32;
    for (auto it = std::lower_bound(index_.begin(), index_.end(), hash);
         it != index_.end() && (*it & ~0xFFFFFFFFull) == hash; ++it) {
        const auto city = uint32_t(*it & 0xFFFFFFFFu);
        const City &c = cities_[city];
        const size_t end = city + 1 < cities_.size() ? cities_[city + 1].names : names_.size();
        const std::string_view part =
            std::string_view(names_).substr(c.names + c.nameLength, end - c.names - c.nameLength);
        if (part.find(needle) == std::string_view::npos)
            continue; // another name with the same hash
        if (!region.empty()) {
            const std::string code = foldedName(std::string_view(c.country, 2));
            const std::string regionCode =
                foldedName(std::string_view(c.region, strnlen(c.region, sizeof c.region)));
            const bool us = std::string_view(c.country, 2) == "US";
            if (region != code && region != regionCode && !(us && stateCode == c.region))
                continue;
        }
        found.push_back(city);
    }
    std::sort(found.begin(), found.end(), [this](uint32_t a, uint32_t b) {
        return cities_[a].population > cities_[b].population;
    });
    return found;
}

std::optional<uint32_t> CityList::nearest(const GeoPoint &place, double withinKm) const
{
    if (!std::isfinite(place.latitude) || !std::isfinite(place.longitude))
        return std::nullopt;
    const auto [x, y, z] = sphere::unitVector(place);
    double best = std::cos(std::min(withinKm / sphere::kMeanRadiusKm, std::numbers::pi));
    std::optional<uint32_t> nearest;
    for (uint32_t i = 0; i < cities_.size(); ++i) {
        const City &c = cities_[i];
        const double dot = c.x * x + c.y * y + c.z * z;
        if (dot >= best) {
            best = dot;
            nearest = i;
        }
    }
    return nearest;
}

uint64_t CityList::zonePopulation(std::string_view zone) const
{
    const auto it = std::lower_bound(
        zonesByName_.begin(), zonesByName_.end(), zone,
        [this](uint16_t index, std::string_view name) { return zones_[index] < name; });
    return it != zonesByName_.end() && zones_[*it] == zone ? zonePopulations_[*it] : 0;
}

std::string_view CityList::name(uint32_t city) const
{
    return std::string_view(names_).substr(cities_[city].names, cities_[city].nameLength);
}

std::string CityList::nameFoundBy(uint32_t city, std::string_view typed) const
{
    const std::string_view own = name(city);
    return std::string(foldedName(typed) == foldedName(own) ? own : typed);
}

GeoPoint CityList::place(uint32_t city) const
{
    return {cities_[city].latitude, cities_[city].longitude};
}

size_t CityList::memoryBytes() const
{
    size_t bytes = sizeof *this + cities_.capacity() * sizeof(City) + names_.capacity() +
                   index_.capacity() * sizeof(uint64_t) + zones_.capacity() * sizeof(std::string) +
                   zonePopulations_.capacity() * sizeof(uint64_t) +
                   zonesByName_.capacity() * sizeof(uint16_t);
    for (const std::string &zone : zones_)
        bytes += zone.capacity() > 15 ? zone.capacity() + 1 : 0;
    return bytes;
}

} // namespace places
