#include "places/PlaceText.h"

#include "places/Locator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace places {

namespace {

std::string_view trimmed(std::string_view s)
{
    const auto space = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && space(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && space(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isAsciiAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<double> wholeNumber(std::string_view s)
{
    s = trimmed(s);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

PlaceText invalid(PlaceProblem problem)
{
    PlaceText text;
    text.problem = problem;
    return text;
}

PlaceText checkedCoordinates(double lat, double lon)
{
    if (!std::isfinite(lat) || !std::isfinite(lon))
        return invalid(PlaceProblem::CoordinatesNotNumbers);
    if (std::fabs(lat) > 90.0 || std::fabs(lon) > 180.0)
        return invalid(PlaceProblem::CoordinatesOutOfRange);
    return {PlaceText::Kind::Coordinates, {lat, lon}, {}, {}};
}

// One angle as the readouts print it, "40° 42' 51\" N", after an optional
// "Latitude:" or "Longitude:"; the minutes and seconds may be left out.
// Advances the text past it; the hemisphere letter in upper case, or 0.
std::optional<double> dmsAngle(std::string_view &s, char &hemisphere)
{
    s = trimmed(s);
    for (std::string_view label : {"Latitude:", "Longitude:"}) {
        if (s.size() >= label.size() &&
            std::equal(label.begin(), label.end(), s.begin(),
                       [](char a, char b) { return (a | 0x20) == (b | 0x20); }))
            s = trimmed(s.substr(label.size()));
    }
    static constexpr std::string_view kMarks[] = {"\u00b0", "'", "\u2032", "\"", "\u2033"};
    static constexpr double kUnits[] = {1.0, 60.0, 60.0, 3600.0, 3600.0};
    double angle = 0.0;
    double lastUnit = 0.0;
    while (!s.empty() && isDigit(s.front())) {
        size_t n = 0;
        while (n < s.size() && (isDigit(s[n]) || s[n] == '.'))
            ++n;
        const auto value = wholeNumber(s.substr(0, n));
        s = trimmed(s.substr(n));
        size_t mark = 0;
        while (mark < std::size(kMarks) && !s.starts_with(kMarks[mark]))
            ++mark;
        if (!value || mark == std::size(kMarks) || kUnits[mark] <= lastUnit ||
            (kUnits[mark] > 1.0 && *value >= 60.0))
            return std::nullopt;
        angle += *value / kUnits[mark];
        lastUnit = kUnits[mark];
        s = trimmed(s.substr(kMarks[mark].size()));
    }
    if (lastUnit == 0.0 || s.empty())
        return std::nullopt;
    hemisphere = char(s.front() & ~0x20);
    s.remove_prefix(1);
    s = trimmed(s);
    if (!s.empty() && s.front() == ',')
        s.remove_prefix(1);
    return angle;
}

PlaceText dmsPlace(std::string_view text)
{
    std::string_view rest = text;
    char first = 0;
    char second = 0;
    const auto a = dmsAngle(rest, first);
    const auto b = a ? dmsAngle(rest, second) : std::nullopt;
    const auto latitudeLetter = [](char c) { return c == 'N' || c == 'S'; };
    const auto longitudeLetter = [](char c) { return c == 'E' || c == 'W'; };
    if (!b || !trimmed(rest).empty() || !latitudeLetter(first) || !longitudeLetter(second))
        return invalid(PlaceProblem::NotDegreesMinutes);
    return checkedCoordinates(first == 'S' ? -*a : *a, second == 'W' ? -*b : *b);
}

} // namespace

PlaceText parsePlaceText(std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return invalid(PlaceProblem::NoPlaceGiven);
    if (text.find("\u00b0") != std::string_view::npos)
        return dmsPlace(text);

    // Letters, then a digit, and only letters and digits: a locator.
    const bool locatorShaped =
        text.size() >= 3 && isAsciiAlpha(text[0]) && isAsciiAlpha(text[1]) && isDigit(text[2]) &&
        std::all_of(text.begin(), text.end(), [](char c) { return isAsciiAlpha(c) || isDigit(c); });
    if (locatorShaped) {
        if (const auto centre = locatorCentre(text))
            return {PlaceText::Kind::Locator, *centre, {}, {}, int(text.size())};
        return invalid(PlaceProblem::NotLocator);
    }

    // Only figures and separators, or a number before a comma (NaN, inf):
    // coordinates. Anything else names a city, in whatever script.
    const size_t comma = text.find(',');
    const bool figures = std::all_of(text.begin(), text.end(), [](char c) {
        return isDigit(c) || std::string_view("+-.,; \t").find(c) != std::string_view::npos;
    });
    if (figures || (comma != std::string_view::npos && wholeNumber(text.substr(0, comma)))) {
        const auto lat =
            comma == std::string_view::npos ? std::nullopt : wholeNumber(text.substr(0, comma));
        const auto lon = lat ? wholeNumber(text.substr(comma + 1)) : std::nullopt;
        if (!lon)
            return invalid(PlaceProblem::NotDecimalDegrees);
        return checkedCoordinates(*lat, *lon);
    }

    PlaceText city{PlaceText::Kind::CityName, {}, std::string(trimmed(text.substr(0, comma))), {}};
    if (comma != std::string_view::npos)
        city.qualifier = trimmed(text.substr(comma + 1));
    if (city.name.empty())
        return invalid(PlaceProblem::NoCityNameGiven);
    return city;
}

std::string nauticalZone(double longitudeDeg)
{
    const int hours = std::isfinite(longitudeDeg)
                          ? int(std::lround(std::clamp(longitudeDeg, -180.0, 180.0) / 15.0))
                          : 0;
    if (hours == 0)
        return "Etc/GMT";
    // East of Greenwich is ahead of it, which the Etc zones write with a minus.
    return std::string("Etc/GMT") + (hours > 0 ? "-" : "+") + std::to_string(std::abs(hours));
}

} // namespace places
