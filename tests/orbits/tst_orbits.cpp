#include "orbits/ElementReader.h"
#include "orbits/Sgp4.h"

#include <QtTest>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

using namespace orbits;

namespace {

// Vallado's verification set, as Debian's python3-sgp4 installs it.
constexpr const char *kVerificationDir = "/usr/lib/python3/dist-packages/sgp4/";

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

class TestOrbits : public QObject
{
    Q_OBJECT

private slots:
    // Every state in tcppver.out, and the error of the step after the last
    // one printed for the cases that fail by design. The set's lines carry
    // start, stop and step after column 69, and its failing cases have
    // checksums left wrong on purpose: both are cut and mended here.
    void verificationSet()
    {
        const std::string tles = readAll(std::string(kVerificationDir) + "SGP4-VER.TLE");
        const std::string out = readAll(std::string(kVerificationDir) + "tcppver.out");
        if (tles.empty() || out.empty())
            QSKIP("python3-sgp4's SGP4-VER.TLE and tcppver.out are not installed");
        // The step after the last one printed fails with these; the program
        // prints a stale state for a case whose first step fails.
        const std::map<int, Sgp4Error> failures = {{33333, Sgp4Error::SemiLatusRectum},
                                                   {33334, Sgp4Error::PerturbedEccentricity},
                                                   {28872, Sgp4Error::Decayed},
                                                   {29141, Sgp4Error::Decayed}};
        std::istringstream tleLines(tles), outLines(out);
        std::string line1, line2, line;
        std::getline(outLines, line);
        int cases = 0, states = 0;
        while (std::getline(tleLines, line1)) {
            if (line1.rfind("1 ", 0) != 0 || !std::getline(tleLines, line2))
                continue;
            std::istringstream extra(line2.substr(69));
            double start = 0.0, stop = 0.0, step = 0.0;
            extra >> start >> stop >> step;
            line1.resize(69);
            line2.resize(69);
            line1[68] = char('0' + tleChecksum(line1));
            line2[68] = char('0' + tleChecksum(line2));
            const ElementFile file = readElementText(line1 + "\n" + line2 + "\n");
            QCOMPARE(file.sets.size(), size_t(1));
            const Sgp4 sgp4(file.sets[0]);
            const int number = file.sets[0].catalogNumber;
            QCOMPARE(std::stoi(line), number); // "5 xx"
            double last = 0.0;
            while (std::getline(outLines, line) && line.find("xx") == std::string::npos) {
                if (sgp4.initError() != Sgp4Error::None)
                    continue;
                std::istringstream row(line);
                double t = 0.0, r[3], v[3];
                row >> t >> r[0] >> r[1] >> r[2] >> v[0] >> v[1] >> v[2];
                const TemeState state = sgp4.at(t);
                const QByteArray where =
                    QByteArray::number(number) + " at " + QByteArray::number(t);
                QVERIFY2(state.error == Sgp4Error::None, where);
                for (int k = 0; k < 3; ++k) {
                    QVERIFY2(std::fabs(state.positionKm[size_t(k)] - r[k]) < 1e-5, where);
                    QVERIFY2(std::fabs(state.velocityKmPerS[size_t(k)] - v[k]) < 1e-8, where);
                }
                last = t;
                ++states;
            }
            const auto failure = failures.find(number);
            if (failure != failures.end()) {
                const double next =
                    sgp4.initError() != Sgp4Error::None ? 0.0 : std::min(last + step, stop);
                QCOMPARE(int(sgp4.at(next).error), int(failure->second));
            }
            ++cases;
        }
        QCOMPARE(cases, 33);
        QVERIFY(states > 600);
    }
};

QTEST_GUILESS_MAIN(TestOrbits)
#include "tst_orbits.moc"
