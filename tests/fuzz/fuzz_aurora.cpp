// Arbitrary bytes to the aurora forecast's reader; a forecast read is sampled
// as the layer samples it and asked whether the aurora can be seen.
#include "platform/WeatherFiles.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const AuroraReading reading = parseAuroraForecast(bytes);
    FUZZ_CHECK(bool(reading.forecast) == reading.error.isEmpty());
    FUZZ_CHECK(!reading.error.contains(QLatin1Char('\n')));
    if (!reading.forecast)
        return 0;
    const weather::AuroraForecast &forecast = *reading.forecast;
    FUZZ_CHECK(forecast.complete());
    for (const float z : {-1.0f, -0.7f, 0.0f, 0.9f, 1.0f}) {
        const float across = std::sqrt(1.0f - z * z);
        for (const float angle : {-3.14159f, -1.0f, 0.0f, 2.0f, 3.14159f}) {
            const weather::AuroraSample sample = weather::auroraSampleAt(
                forecast, across * std::cos(angle), across * std::sin(angle), z);
            FUZZ_CHECK(sample.value >= 0.0f && sample.value <= 100.0f);
            FUZZ_CHECK(std::isfinite(sample.perDegreeEast) && std::isfinite(sample.perDegreeNorth));
        }
    }
    const weather::AuroraVerdict verdict =
        weather::auroraVerdict(forecast, {69.65, 18.96}, -20.0, 10.0, nullptr, {});
    FUZZ_CHECK(verdict.value >= 0.0 && verdict.value <= 100.0);
    return 0;
}
