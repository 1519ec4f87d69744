#pragma once

// The GeoNames list of cities of at least 15,000 people (cities15000.txt, as
// Debian's libtimezonemap-data ships it), read once into compact tables: the
// names folded for matching in one text, and per city its place, population,
// country and zone.

#include "astro/GeoPoint.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace places {

/// Lower case without accents, for matching names: "München" and "MUNCHEN"
/// both give "munchen". Latin letters lose their marks (ß gives "ss", æ "ae");
/// Greek and Cyrillic capitals become small; other characters stay.
std::string foldedName(std::string_view name);

class CityList
{
public:
    /// Where Debian installs the list.
    static constexpr const char *kDefaultPath = "/usr/share/libtimezonemap/ui/cities15000.txt";

    /// The list read from the default path on first use, from any thread. An
    /// unreadable or corrupt list leaves it empty, with loadError() saying why.
    static const CityList &shared();

    /// Reads a list; on failure an empty list with loadError() set.
    static CityList load(const std::string &path);

    bool empty() const { return cities_.empty(); }
    size_t size() const { return cities_.size(); }
    const std::string &loadError() const { return error_; }

    /// The cities whose name or alternate name is the name given, in any case
    /// and without accents, most populous first. A qualifier narrows them to a
    /// country (its ISO code, "FR"), or a first-level region by its GeoNames
    /// code ("TX") or, in the United States, its name ("Texas").
    std::vector<uint32_t> find(std::string_view name, std::string_view qualifier = {}) const;

    /// The nearest city within a distance, for the zone of a place.
    std::optional<uint32_t> nearest(const GeoPoint &place, double withinKm) const;

    std::string_view name(uint32_t city) const;
    /// The name to show for a city found by \a typed: as typed when that is
    /// another of its names ("München" for Munich), else its own, which also
    /// mends the case and accents of "munchen".
    std::string nameFoundBy(uint32_t city, std::string_view typed) const;
    GeoPoint place(uint32_t city) const;
    uint32_t population(uint32_t city) const { return cities_[city].population; }
    std::string_view country(uint32_t city) const { return {cities_[city].country, 2}; }
    /// The first-level region's GeoNames code: "TX", "11".
    std::string_view region(uint32_t city) const
    {
        return {cities_[city].region, strnlen(cities_[city].region, sizeof cities_[city].region)};
    }
    const std::string &zone(uint32_t city) const { return zones_[cities_[city].zone]; }
    /// The people of the listed cities in a zone, 0 for a zone none is in.
    uint64_t zonePopulation(std::string_view zone) const;

    /// The bytes the tables hold.
    size_t memoryBytes() const;

private:
    struct City
    {
        float latitude, longitude;
        float x, y, z; ///< unit vector, for the nearest city
        uint32_t population;
        uint32_t names;     ///< offset of its names in names_, its own name first
        uint16_t zone;      ///< index into zones_
        char country[2];    ///< ISO 3166 code
        char region[8];     ///< GeoNames first-level code, for the United States the state's
        uint8_t nameLength; ///< of its own name, as written
    };
    std::vector<City> cities_;
    // Per city: its name as written, then '\n' and each folded name followed
    // by '\n'; so a folded name n of a city is "\n" n "\n" within its part.
    std::string names_;
    std::vector<std::string> zones_;
    std::vector<uint64_t> zonePopulations_; ///< per zone in zones_
    std::vector<uint16_t> zonesByName_;     ///< indices into zones_, sorted by the names
    // Hash of each folded name in the upper 32 bits, the city below; sorted.
    std::vector<uint64_t> index_;
    std::string error_;
};

} // namespace places
