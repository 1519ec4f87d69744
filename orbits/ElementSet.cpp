#include "orbits/ElementSet.h"

#include <erfa.h>

#include <cmath>

namespace orbits {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kUnixEpochMjd = 40587.0;
// Alpha-5's letters from A = 10 to Z = 33, leaving out I and O, which read as 1 and 0.
constexpr std::string_view kAlpha5Letters = "ABCDEFGHJKLMNPQRSTUVWXYZ";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<int32_t> catalogNumberFromAlpha5(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    int32_t number = 0;
    size_t first = 0;
    if (!isDigit(text.front())) {
        const size_t letter = kAlpha5Letters.find(text.front());
        if (letter == std::string_view::npos || text.size() != 5)
            return std::nullopt;
        number = int32_t(letter) + 10;
        first = 1;
    }
    for (size_t i = first; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

std::string alpha5FromCatalogNumber(int32_t number)
{
    if (number < 0 || number > kMaxAlpha5Number)
        return {};
    std::string text(5, '0');
    int32_t rest = number % 10000;
    for (int i = 4; i > 0; --i, rest /= 10)
        text[size_t(i)] = char('0' + rest % 10);
    const int32_t lead = number / 10000;
    text[0] = lead < 10 ? char('0' + lead) : kAlpha5Letters[size_t(lead - 10)];
    return text;
}

ElementProblem checkElementValues(const ElementSet &set)
{
    // Written so that a NaN fails each test. Above 20 revolutions a day the
    // orbit would lie inside the Earth; below 1e-5 (a turn in 270 years) and
    // with a drag term beyond what a TLE can write, SGP4's arithmetic
    // overflows. Other impossible orbits get its error codes when propagated.
    const auto angle = [](double deg, double limit) { return deg >= 0.0 && deg <= limit; };
    const bool fine =
        set.catalogNumber > 0 && set.eccentricity >= 0.0 && set.eccentricity < 1.0 &&
        set.meanMotionRevPerDay >= 1e-5 && set.meanMotionRevPerDay < 20.0 &&
        std::fabs(set.bstar) < 1e9 && angle(set.inclinationDeg, 180.0) &&
        angle(set.raanDeg, 360.0) && angle(set.argumentOfPerigeeDeg, 360.0) &&
        angle(set.meanAnomalyDeg, 360.0) && std::isfinite(set.meanMotionDotRevPerDay2) &&
        std::isfinite(set.meanMotionDdotRevPerDay3) && std::isfinite(set.epochUnixSeconds);
    return fine ? ElementProblem::None : ElementProblem::ImpossibleValue;
}

double unixSecondsOfTleEpoch(int twoDigitYear, double dayOfYear)
{
    const int year = twoDigitYear < 57 ? 2000 + twoDigitYear : 1900 + twoDigitYear;
    return unixSecondsOfDate(year, 1, 1, 0, 0, 0.0) + (dayOfYear - 1.0) * kSecondsPerDay;
}

double unixSecondsOfDate(int year, int month, int day, int hour, int minute, double second)
{
    double mjd0 = 0.0, mjd = 0.0;
    if (eraCal2jd(year, month, day, &mjd0, &mjd) != 0)
        return std::nan("");
    return (mjd - kUnixEpochMjd) * kSecondsPerDay + hour * 3600.0 + minute * 60.0 + second;
}

} // namespace orbits
