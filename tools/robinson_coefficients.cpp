// Recovers the cubic of each 5-degree band of libproj's Robinson projection
// by sampling its forward projection at four points of the band. Build and run:
//   g++ tools/robinson_coefficients.cpp $(pkg-config --cflags --libs proj) \
//       -o /tmp/rc && /tmp/rc > mapcore/RobinsonTable.inc
#include <proj.h>
#include <cmath>
#include <cstdio>
int main()
{
    std::printf("// Made by tools/robinson_coefficients.cpp from libproj; do not edit.\n");
    PJ_CONTEXT *ctx = proj_context_create();
    PJ *p = proj_create(ctx, "+proj=robin +R=1");
    const double fxc = 0.8487, fyc = 1.3523;
    auto eval = [&](double latDeg, bool wantX) {
        // One radian of longitude.
        const PJ_COORD c = proj_coord(1.0, proj_torad(latDeg), 0, 0);
        PJ_COORD r = proj_trans(p, PJ_FWD, c);
        return wantX ? r.xy.x / fxc : r.xy.y / fyc;
    };
    for (int axis = 0; axis < 2; ++axis) {
        std::printf("constexpr Cubic kRobinson%s[] = {\n", axis == 0 ? "X" : "Y");
        for (int band = 0; band <= 18; ++band) {
            const double t[4] = {0.0, 1.0, 2.0, 4.0};
            double v[4];
            for (int i = 0; i < 4; ++i)
                v[i] = eval(std::fmin(band * 5.0 + t[i], 90.0), axis == 0);
            // Solve the Vandermonde system for c0..c3 (Newton's divided differences).
            double d[4] = {v[0], v[1], v[2], v[3]};
            for (int k = 1; k < 4; ++k)
                for (int i = 3; i >= k; --i)
                    d[i] = (d[i] - d[i - 1]) / (t[i] - t[i - k]);
            // Newton form to monomials.
            double c[4] = {d[3], 0, 0, 0};
            for (int k = 2; k >= 0; --k) {
                double n[4] = {0, 0, 0, 0};
                for (int i = 0; i < 3; ++i) { n[i + 1] += c[i]; n[i] -= c[i] * t[k]; }
                n[0] += d[k];
                for (int i = 0; i < 4; ++i) c[i] = n[i];
            }
            if (band == 18) { c[1] = c[2] = c[3] = 0; c[0] = v[0]; }
            std::printf("    {");
            for (int i = 0; i < 4; ++i)
                std::printf("%.9ef%s", double(float(c[i])), i < 3 ? ", " : "},\n");
        }
        std::printf("};\n");
    }
}
