#include "weather/CloudMap.h"

#include "mapcore/ViewShading.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>

namespace weather {

namespace {
constexpr float kPi = std::numbers::pi_v<float>;

/// The digits at text[at..at+count) as a number; -1 when any is not a digit.
int digitsAt(std::string_view text, size_t at, size_t count)
{
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

/// "YYYY-MM-DD?HH:MM" with T or a space for ?, and ":SS" when it follows.
std::optional<int64_t> timeAt(std::string_view text, size_t at)
{
    using namespace std::chrono;
    const int year = digitsAt(text, at, 4), month = digitsAt(text, at + 5, 2),
              day = digitsAt(text, at + 8, 2), hour = digitsAt(text, at + 11, 2),
              minute = digitsAt(text, at + 14, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || text[at + 4] != '-' ||
        text[at + 7] != '-' || (text[at + 10] != 'T' && text[at + 10] != ' ') ||
        text[at + 13] != ':' || hour > 23 || minute > 59)
        return std::nullopt;
    int second = 0;
    if (at + 16 < text.size() && text[at + 16] == ':') {
        second = digitsAt(text, at + 17, 2);
        if (second < 0 || second > 60)
            return std::nullopt;
    }
    const year_month_day date{std::chrono::year(year), std::chrono::month(unsigned(month)),
                              std::chrono::day(unsigned(day))};
    if (!date.ok())
        return std::nullopt;
    return int64_t(sys_days(date).time_since_epoch().count()) * 86400 + hour * 3600 + minute * 60 +
           second;
}
} // namespace

std::string_view cloudShapeProblem(int32_t width, int32_t height)
{
    if (width != 2 * height)
        return "not twice as wide as high";
    if (width < kSmallestCloudWidth)
        return "too small";
    if (width > kLargestCloudWidth)
        return "too large";
    return {};
}

std::optional<int64_t> timeInComment(std::string_view comment)
{
    for (size_t at = 0; at + 16 <= comment.size(); ++at) {
        // A date stands on its own, not inside a longer number.
        if (at > 0 && comment[at - 1] >= '0' && comment[at - 1] <= '9')
            continue;
        if (const std::optional<int64_t> time = timeAt(comment, at))
            return time;
    }
    return std::nullopt;
}

float cloudGreyAt(const CloudMap &map, float x, float y, float z)
{
    // The pixels' centres at half-pixel places; the columns wrap round the
    // Earth, the rows stop at the poles.
    const float longitude = view_shading::atan2Approx(y, x);
    const float latitude = view_shading::atan2Approx(z, std::sqrt(x * x + y * y));
    const float u = (longitude + kPi) * (float(map.width) / (2.0f * kPi)) - 0.5f;
    const float v = (0.5f * kPi - latitude) * (float(map.height) / kPi) - 0.5f;
    const float u0 = std::floor(u), v0 = std::floor(v);
    const float fu = u - u0, fv = v - v0;
    int32_t left = int32_t(u0), top = int32_t(v0);
    left = left < 0 ? left + map.width : (left >= map.width ? left - map.width : left);
    const int32_t right = left + 1 == map.width ? 0 : left + 1;
    const int32_t bottom = std::min(top + 1, map.height - 1);
    top = std::clamp(top, 0, map.height - 1);
    const uint8_t *upper = map.grey.data() + size_t(top) * size_t(map.width);
    const uint8_t *lower = map.grey.data() + size_t(bottom) * size_t(map.width);
    const float above = float(upper[left]) + (float(upper[right]) - float(upper[left])) * fu;
    const float below = float(lower[left]) + (float(lower[right]) - float(lower[left])) * fu;
    return above + (below - above) * fv;
}

float cloudOpacity(const CloudLook &look, float grey)
{
    const float over = grey - float(look.threshold);
    if (over <= 0.0f || look.threshold >= 255)
        return 0.0f;
    const float part = std::min(1.0f, over / float(255 - look.threshold));
    return look.gamma == 1.0 ? part : std::pow(part, float(1.0 / look.gamma));
}

bool clearSkyAt(const CloudMap &map, const CloudLook &look, float x, float y, float z)
{
    return cloudGreyAt(map, x, y, z) <= float(look.threshold);
}

uint32_t cloudColour(float opacity, float lit)
{
    const auto channel = [&](int i) {
        const float c = float(kDarkCloudRgb[i]) + (float(kLitCloudRgb[i]) - kDarkCloudRgb[i]) * lit;
        return uint32_t(c * opacity + 0.5f);
    };
    return uint32_t(opacity * 255.0f + 0.5f) << 24 | channel(0) << 16 | channel(1) << 8 |
           channel(2);
}

} // namespace weather
