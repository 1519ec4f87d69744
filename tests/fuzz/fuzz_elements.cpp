// Arbitrary bytes to the element readers (sets, OMM CSV, JSON and XML); each set
// read is propagated, placed over the Earth and given its passes for a day.
#include "orbits/Passes.h"
#include "platform/ElementFile.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const orbits::ElementFile file = parseElementBytes(bytes);
    const bool failed = file.fileProblem != orbits::ElementProblem::None;
    FUZZ_CHECK(!failed || (file.sets.empty() && file.skipped == 0));
    FUZZ_CHECK((file.skipped == 0) == (file.firstSkippedProblem == orbits::ElementProblem::None));
    FUZZ_CHECK(file.firstSkippedLine <= size_t(bytes.count('\n')) + 1);
    size_t propagated = 0;
    for (const orbits::ElementSet &set : file.sets) {
        FUZZ_CHECK(orbits::checkElementValues(set) == orbits::ElementProblem::None);
        if (++propagated > 4)
            break;
        const orbits::Sgp4 sgp4(set);
        orbits::ResonanceState resonance;
        for (const double minutes : {0.0, 90.0, 1440.0, -720.0}) {
            const orbits::TemeState state = sgp4.at(minutes);
            // Going on from the last call gives the same state as starting again.
            FUZZ_CHECK(sgp4.at(minutes, &resonance).positionKm == state.positionKm);
            if (state.error != orbits::Sgp4Error::None)
                continue;
            for (const double x : state.positionKm)
                FUZZ_CHECK(std::isfinite(x));
            const orbits::SatellitePlace place =
                orbits::satellitePlace(sgp4, set.epochUnixSeconds + minutes * 60.0, {10.0, 20.0});
            if (place.error == orbits::Sgp4Error::None)
                FUZZ_CHECK(std::isfinite(orbits::footprintRadiusKm(place.heightKm, 10.0)) &&
                           std::fabs(place.subPoint.latitude) <= 90.0);
        }
        const auto passes =
            orbits::findPasses(sgp4, orbits::Observer({48.0, 11.0}), 0.0, set.epochUnixSeconds,
                               set.epochUnixSeconds + 86400.0);
        for (const orbits::Pass &pass : passes)
            FUZZ_CHECK(pass.riseUnixSeconds <= pass.culminationUnixSeconds &&
                       pass.culminationUnixSeconds <= pass.setUnixSeconds);
    }
    return 0;
}
