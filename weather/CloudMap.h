#pragma once

// A map of the clouds over the whole Earth: a greyscale equirectangular image,
// twice as wide as high, its top row at 90° N and its left edge at 180° W, as
// the cloud maps made for desktop maps are. White is thick cloud; grey below a
// threshold is clear sky, the haze that such maps carry over land and sea.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace weather {

/// The smallest cloud map taken: a grid of 8 degrees says nothing more.
inline constexpr int32_t kSmallestCloudWidth = 45;
/// 8192 x 4096 is the largest made; twice that still fits in memory.
inline constexpr int32_t kLargestCloudWidth = 16384;

struct CloudMap
{
    int32_t width = 0;
    int32_t height = 0;
    /// One byte a pixel, top row first.
    std::vector<uint8_t> grey;
    /// When the map was made: from the comment where it carries its time, else
    /// the file's modification time.
    int64_t madeUnixSeconds = 0;
};

/// Why an image of this size cannot be a cloud map; empty when it can.
std::string_view cloudShapeProblem(int32_t width, int32_t height);

/// The first date and time written in a comment, "2024-04-08 12:00",
/// "2024-04-08T12:00:30Z" or "2024-04-08 12:00 UTC", as seconds since 1970 in
/// UTC; nothing when it holds none.
std::optional<int64_t> timeInComment(std::string_view comment);

/// The map's grey at a unit vector (x towards 0° N 0° E, z towards the North
/// Pole), interpolated between the four nearest pixels: 0 to 255.
float cloudGreyAt(const CloudMap &map, float x, float y, float z);

/// How the clouds are drawn: their gamma and the grey up to which the sky is
/// clear, the values such maps are made for by default.
struct CloudLook
{
    double gamma = 1.0;
    int32_t threshold = 90;
};

/// A cloud's opacity for a grey, 0 to 1: none up to the threshold, then
/// ((grey - threshold) / (255 - threshold)) ^ (1 / gamma), so that a gamma
/// above 1 thickens thin cloud.
float cloudOpacity(const CloudLook &look, float grey);

/// Whether the sky is clear at a place's unit vector: its grey at most the
/// threshold.
bool clearSkyAt(const CloudMap &map, const CloudLook &look, float x, float y, float z);

/// The sun's altitudes, as sines, between which clouds turn from lit (at
/// kCloudsLitSin and above) to dark (at kCloudsDarkSin and below): across
/// the brighter half of the map's twilight, as they catch the light a little
/// after sunset.
inline constexpr float kCloudsLitSin = 0.0348995f;   // sin 2°
inline constexpr float kCloudsDarkSin = -0.1564345f; // sin -9°

/// A lit cloud's colour and a cloud's by night, a dim blue-grey as moonlit
/// cloud looks beside the night map's lights.
inline constexpr uint8_t kLitCloudRgb[3] = {255, 255, 255};
inline constexpr uint8_t kDarkCloudRgb[3] = {48, 56, 84};

/// How lit clouds are where the sun's altitude has the given sine: 0 (dark)
/// to 1 (lit). Inline: it runs for every cloudy pixel of every frame.
inline float cloudLight(float sunSin)
{
    const float light = (sunSin - kCloudsDarkSin) / (kCloudsLitSin - kCloudsDarkSin);
    return light < 0.0f ? 0.0f : (light > 1.0f ? 1.0f : light);
}

/// The premultiplied ARGB32 colour of cloud of the given opacity and light.
uint32_t cloudColour(float opacity, float light);

} // namespace weather
