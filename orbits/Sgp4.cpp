#include "orbits/Sgp4.h"

#include "astro/Sphere.h"

#include <erfa.h>

#include <cmath>
#include <numbers>

namespace orbits {

namespace {

using std::numbers::pi;
constexpr double kTwoPi = 2.0 * pi;
constexpr double kX2o3 = 2.0 / 3.0;

// WGS-72, which the element sets are fitted with; WGS-84's values would move
// a low orbit by about a kilometre in a day.
constexpr double kMu = 398600.8; // km^3/s^2
constexpr double kRe = Sgp4::kEarthRadiusKm;
const double kXke = 60.0 / std::sqrt(kRe * kRe * kRe / kMu); // Earth radii^1.5 per minute
const double kVkmPerSec = kRe * kXke / 60.0;
constexpr double kJ2 = 0.001082616;
constexpr double kJ3 = -0.00000253881;
constexpr double kJ4 = -0.00000165597;
constexpr double kJ3oJ2 = kJ3 / kJ2;
// Stands in for 1 + cos i at 180 degrees, where the long-period term's divisor vanishes.
constexpr double kTemp4 = 1.5e-12;

constexpr double kMinutesPerDay = 1440.0;
// Days from 1949-12-31 0h, the deep-space theory's epoch, to 1970-01-01.
constexpr double kUnixEpochFrom1950Days = 7306.0;
constexpr double kJd1950 = 2433281.5;

// The Sun's and the Moon's mean motions and eccentricities (rad/min).
constexpr double kZns = 1.19459e-5, kZes = 0.01675, kZnl = 1.5835218e-4, kZel = 0.05490;
// The Earth's rotation, radians per minute.
constexpr double kRptim = 4.37526908801129966e-3;

double cube(double x)
{
    return x * x * x;
}

} // namespace

Sgp4::Sgp4(const ElementSet &elements)
    : m_epochUnixSeconds(elements.epochUnixSeconds), m_bstar(elements.bstar),
      m_ecco(elements.eccentricity), m_argpo(elements.argumentOfPerigeeDeg * sphere::kDegToRad),
      m_inclo(elements.inclinationDeg * sphere::kDegToRad),
      m_mo(elements.meanAnomalyDeg * sphere::kDegToRad),
      m_no(elements.meanMotionRevPerDay / (kMinutesPerDay / kTwoPi)),
      m_nodeo(elements.raanDeg * sphere::kDegToRad)
{
    const double epoch1950 = m_epochUnixSeconds / 86400.0 + kUnixEpochFrom1950Days;

    // Recover the Brouwer mean motion from the Kozai one the elements give.
    const double eccsq = m_ecco * m_ecco;
    const double omeosq = 1.0 - eccsq;
    const double rteosq = std::sqrt(omeosq);
    const double cosio = std::cos(m_inclo);
    const double cosio2 = cosio * cosio;
    const double ak = std::pow(kXke / m_no, kX2o3);
    const double d1 = 0.75 * kJ2 * (3.0 * cosio2 - 1.0) / (rteosq * omeosq);
    double del = d1 / (ak * ak);
    const double adel = ak * (1.0 - del * del - del * (1.0 / 3.0 + 134.0 * del * del / 81.0));
    del = d1 / (adel * adel);
    m_no = m_no / (1.0 + del);

    const double ao = std::pow(kXke / m_no, kX2o3);
    const double sinio = std::sin(m_inclo);
    const double po = ao * omeosq;
    const double con42 = 1.0 - 5.0 * cosio2;
    m_con41 = -con42 - cosio2 - cosio2;
    const double posq = po * po;
    const double rp = ao * (1.0 - m_ecco);
    m_gsto = eraGmst82(kJd1950, epoch1950);

    // The atmosphere's density falls off above 78 km as the fourth power;
    // perigees below 156 km move that reference height down.
    const double ss = 78.0 / kRe + 1.0;
    const double qzms2t = std::pow((120.0 - 78.0) / kRe, 4.0);
    if (omeosq >= 0.0 || m_no >= 0.0) {
        m_simple = rp < 220.0 / kRe + 1.0;
        double sfour = ss;
        double qzms24 = qzms2t;
        const double perigeeKm = (rp - 1.0) * kRe;
        if (perigeeKm < 156.0) {
            sfour = perigeeKm < 98.0 ? 20.0 : perigeeKm - 78.0;
            const double q = (120.0 - sfour) / kRe;
            qzms24 = q * q * q * q;
            sfour = sfour / kRe + 1.0;
        }
        const double pinvsq = 1.0 / posq;
        const double tsi = 1.0 / (ao - sfour);
        m_eta = ao * m_ecco * tsi;
        const double etasq = m_eta * m_eta;
        const double eeta = m_ecco * m_eta;
        const double psisq = std::fabs(1.0 - etasq);
        const double coef = qzms24 * std::pow(tsi, 4.0);
        const double coef1 = coef / std::pow(psisq, 3.5);
        const double cc2 =
            coef1 * m_no *
            (ao * (1.0 + 1.5 * etasq + eeta * (4.0 + etasq)) +
             0.375 * kJ2 * tsi / psisq * m_con41 * (8.0 + 3.0 * etasq * (8.0 + etasq)));
        m_cc1 = m_bstar * cc2;
        double cc3 = 0.0;
        if (m_ecco > 1.0e-4)
            cc3 = -2.0 * coef * tsi * kJ3oJ2 * m_no * sinio / m_ecco;
        m_x1mth2 = 1.0 - cosio2;
        m_cc4 = 2.0 * m_no * coef1 * ao * omeosq *
                (m_eta * (2.0 + 0.5 * etasq) + m_ecco * (0.5 + 2.0 * etasq) -
                 kJ2 * tsi / (ao * psisq) *
                     (-3.0 * m_con41 * (1.0 - 2.0 * eeta + etasq * (1.5 - 0.5 * eeta)) +
                      0.75 * m_x1mth2 * (2.0 * etasq - eeta * (1.0 + etasq)) *
                          std::cos(2.0 * m_argpo)));
        m_cc5 = 2.0 * coef1 * ao * omeosq * (1.0 + 2.75 * (etasq + eeta) + eeta * etasq);
        const double cosio4 = cosio2 * cosio2;
        const double temp1 = 1.5 * kJ2 * pinvsq * m_no;
        const double temp2 = 0.5 * temp1 * kJ2 * pinvsq;
        const double temp3 = -0.46875 * kJ4 * pinvsq * pinvsq * m_no;
        m_mdot = m_no + 0.5 * temp1 * rteosq * m_con41 +
                 0.0625 * temp2 * rteosq * (13.0 - 78.0 * cosio2 + 137.0 * cosio4);
        m_argpdot = -0.5 * temp1 * con42 +
                    0.0625 * temp2 * (7.0 - 114.0 * cosio2 + 395.0 * cosio4) +
                    temp3 * (3.0 - 36.0 * cosio2 + 49.0 * cosio4);
        const double xhdot1 = -temp1 * cosio;
        m_nodedot =
            xhdot1 +
            (0.5 * temp2 * (4.0 - 19.0 * cosio2) + 2.0 * temp3 * (3.0 - 7.0 * cosio2)) * cosio;
        const double xpidot = m_argpdot + m_nodedot;
        m_omgcof = m_bstar * cc3 * std::cos(m_argpo);
        m_xmcof = 0.0;
        if (m_ecco > 1.0e-4)
            m_xmcof = -kX2o3 * coef * m_bstar / eeta;
        m_nodecf = 3.5 * omeosq * xhdot1 * m_cc1;
        m_t2cof = 1.5 * m_cc1;
        m_xlcof = -0.25 * kJ3oJ2 * sinio * (3.0 + 5.0 * cosio) /
                  (std::fabs(cosio + 1.0) > 1.5e-12 ? 1.0 + cosio : kTemp4);
        m_aycof = -0.5 * kJ3oJ2 * sinio;
        m_delmo = cube(1.0 + m_eta * std::cos(m_mo));
        m_sinmao = std::sin(m_mo);
        m_x7thm1 = 7.0 * cosio2 - 1.0;

        if (kTwoPi / m_no >= 225.0) {
            m_deepSpace = true;
            m_simple = true;
            initDeepSpace(epoch1950, xpidot, eccsq);
        }
        if (!m_simple) {
            const double cc1sq = m_cc1 * m_cc1;
            m_d2 = 4.0 * ao * tsi * cc1sq;
            const double temp = m_d2 * tsi * m_cc1 / 3.0;
            m_d3 = (17.0 * ao + sfour) * temp;
            m_d4 = 0.5 * temp * ao * tsi * (221.0 * ao + 31.0 * sfour) * m_cc1;
            m_t3cof = m_d2 + 2.0 * cc1sq;
            m_t4cof = 0.25 * (3.0 * m_d3 + m_cc1 * (12.0 * m_d2 + 10.0 * cc1sq));
            m_t5cof = 0.2 * (3.0 * m_d4 + 12.0 * m_cc1 * m_d3 + 6.0 * m_d2 * m_d2 +
                             15.0 * cc1sq * (2.0 * m_d2 + cc1sq));
        }
    }
    m_initError = at(0.0).error;
}

double Sgp4::periodMinutes() const
{
    return kTwoPi / m_no;
}

// The Sun's and the Moon's terms at the epoch (Vallado's dscom) and the
// secular rates and resonance terms they give (dsinit).
void Sgp4::initDeepSpace(double epoch1950, double xpidot, double eccsq)
{
    DeepSpace &d = m_ds;
    // The Sun's orbit and the Moon's, as the theory fixes them.
    constexpr double c1ss = 2.9864797e-6, c1l = 4.7968065e-7, zsinis = 0.39785416,
                     zcosis = 0.91744867, zcosgs = 0.1945905, zsings = -0.98088458;
    const double nm = m_no, em = m_ecco;
    const double snodm = std::sin(m_nodeo), cnodm = std::cos(m_nodeo);
    const double sinomm = std::sin(m_argpo), cosomm = std::cos(m_argpo);
    const double sinim = std::sin(m_inclo), cosim = std::cos(m_inclo);
    const double emsq = em * em;
    const double betasq = 1.0 - emsq;
    const double rtemsq = std::sqrt(betasq);
    const double day = epoch1950 + 18261.5; // days from 2000 January 1.5, tc = 0
    const double xnodce = std::fmod(4.5236020 - 9.2422029e-4 * day, kTwoPi);
    const double stem = std::sin(xnodce), ctem = std::cos(xnodce);
    const double zcosil = 0.91375164 - 0.03568096 * ctem;
    const double zsinil = std::sqrt(1.0 - zcosil * zcosil);
    const double zsinhl = 0.089683511 * stem / zsinil;
    const double zcoshl = std::sqrt(1.0 - zsinhl * zsinhl);
    const double gam = 5.8351514 + 0.0019443680 * day;
    double zx = 0.39785416 * stem / zsinil;
    const double zy = zcoshl * ctem + 0.91744867 * zsinhl * stem;
    zx = std::atan2(zx, zy);
    zx = gam + zx - xnodce;
    const double zcosgl = std::cos(zx), zsingl = std::sin(zx);

    // Two passes of the same terms: the Sun's (kept as ss and sz), then the Moon's.
    struct Terms
    {
        double s1, s2, s3, s4, s5, s6, s7;
        double z1, z2, z3, z11, z12, z13, z21, z22, z23, z31, z32, z33;
    };
    const auto terms = [&](double zcosg, double zsing, double zcosi, double zsini, double zcosh,
                           double zsinh, double cc) {
        Terms t{};
        const double xnoi = 1.0 / nm;
        const double a1 = zcosg * zcosh + zsing * zcosi * zsinh;
        const double a3 = -zsing * zcosh + zcosg * zcosi * zsinh;
        const double a7 = -zcosg * zsinh + zsing * zcosi * zcosh;
        const double a8 = zsing * zsini;
        const double a9 = zsing * zsinh + zcosg * zcosi * zcosh;
        const double a10 = zcosg * zsini;
        const double a2 = cosim * a7 + sinim * a8;
        const double a4 = cosim * a9 + sinim * a10;
        const double a5 = -sinim * a7 + cosim * a8;
        const double a6 = -sinim * a9 + cosim * a10;
        const double x1 = a1 * cosomm + a2 * sinomm;
        const double x2 = a3 * cosomm + a4 * sinomm;
        const double x3 = -a1 * sinomm + a2 * cosomm;
        const double x4 = -a3 * sinomm + a4 * cosomm;
        const double x5 = a5 * sinomm;
        const double x6 = a6 * sinomm;
        const double x7 = a5 * cosomm;
        const double x8 = a6 * cosomm;
        t.z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
        t.z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
        t.z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
        t.z1 = 3.0 * (a1 * a1 + a2 * a2) + t.z31 * emsq;
        t.z2 = 6.0 * (a1 * a3 + a2 * a4) + t.z32 * emsq;
        t.z3 = 3.0 * (a3 * a3 + a4 * a4) + t.z33 * emsq;
        t.z11 = -6.0 * a1 * a5 + emsq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
        t.z12 = -6.0 * (a1 * a6 + a3 * a5) +
                emsq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
        t.z13 = -6.0 * a3 * a6 + emsq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
        t.z21 = 6.0 * a2 * a5 + emsq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
        t.z22 = 6.0 * (a4 * a5 + a2 * a6) +
                emsq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
        t.z23 = 6.0 * a4 * a6 + emsq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
        t.z1 = t.z1 + t.z1 + betasq * t.z31;
        t.z2 = t.z2 + t.z2 + betasq * t.z32;
        t.z3 = t.z3 + t.z3 + betasq * t.z33;
        t.s3 = cc * xnoi;
        t.s2 = -0.5 * t.s3 / rtemsq;
        t.s4 = t.s3 * rtemsq;
        t.s1 = -15.0 * em * t.s4;
        t.s5 = x1 * x3 + x2 * x4;
        t.s6 = x2 * x3 + x1 * x4;
        t.s7 = x2 * x4 - x1 * x3;
        return t;
    };
    const Terms s = terms(zcosgs, zsings, zcosis, zsinis, cnodm, snodm, c1ss);
    const Terms l = terms(zcosgl, zsingl, zcosil, zsinil, zcoshl * cnodm + zsinhl * snodm,
                          snodm * zcoshl - cnodm * zsinhl, c1l);

    d.zmol = std::fmod(4.7199672 + 0.22997150 * day - gam, kTwoPi);
    d.zmos = std::fmod(6.2565837 + 0.017201977 * day, kTwoPi);
    d.se2 = 2.0 * s.s1 * s.s6;
    d.se3 = 2.0 * s.s1 * s.s7;
    d.si2 = 2.0 * s.s2 * s.z12;
    d.si3 = 2.0 * s.s2 * (s.z13 - s.z11);
    d.sl2 = -2.0 * s.s3 * s.z2;
    d.sl3 = -2.0 * s.s3 * (s.z3 - s.z1);
    d.sl4 = -2.0 * s.s3 * (-21.0 - 9.0 * emsq) * kZes;
    d.sgh2 = 2.0 * s.s4 * s.z32;
    d.sgh3 = 2.0 * s.s4 * (s.z33 - s.z31);
    d.sgh4 = -18.0 * s.s4 * kZes;
    d.sh2 = -2.0 * s.s2 * s.z22;
    d.sh3 = -2.0 * s.s2 * (s.z23 - s.z21);
    d.ee2 = 2.0 * l.s1 * l.s6;
    d.e3 = 2.0 * l.s1 * l.s7;
    d.xi2 = 2.0 * l.s2 * l.z12;
    d.xi3 = 2.0 * l.s2 * (l.z13 - l.z11);
    d.xl2 = -2.0 * l.s3 * l.z2;
    d.xl3 = -2.0 * l.s3 * (l.z3 - l.z1);
    d.xl4 = -2.0 * l.s3 * (-21.0 - 9.0 * emsq) * kZel;
    d.xgh2 = 2.0 * l.s4 * l.z32;
    d.xgh3 = 2.0 * l.s4 * (l.z33 - l.z31);
    d.xgh4 = -18.0 * l.s4 * kZel;
    d.xh2 = -2.0 * l.s2 * l.z22;
    d.xh3 = -2.0 * l.s2 * (l.z23 - l.z21);

    // The secular rates from the Sun (s) and the Moon (l). Near the equator
    // the node's rate is left out: it is undefined there.
    constexpr double q22 = 1.7891679e-6, q31 = 2.1460748e-6, q33 = 2.2123015e-7,
                     root22 = 1.7891679e-6, root44 = 7.3636953e-9, root54 = 2.1765803e-9,
                     root32 = 3.7393792e-7, root52 = 1.1428639e-7;
    const bool nearEquator = m_inclo < 5.2359877e-2 || m_inclo > pi - 5.2359877e-2;
    d.irez = 0;
    if (nm < 0.0052359877 && nm > 0.0034906585)
        d.irez = 1;
    if (nm >= 8.26e-3 && nm <= 9.24e-3 && em >= 0.5)
        d.irez = 2;
    const double ses = s.s1 * kZns * s.s5;
    const double sis = s.s2 * kZns * (s.z11 + s.z13);
    const double sls = -kZns * s.s3 * (s.z1 + s.z3 - 14.0 - 6.0 * emsq);
    const double sghs = s.s4 * kZns * (s.z31 + s.z33 - 6.0);
    double shs = -kZns * s.s2 * (s.z21 + s.z23);
    if (nearEquator)
        shs = 0.0;
    if (sinim != 0.0)
        shs = shs / sinim;
    const double sgs = sghs - cosim * shs;
    d.dedt = ses + l.s1 * kZnl * l.s5;
    d.didt = sis + l.s2 * kZnl * (l.z11 + l.z13);
    d.dmdt = sls - kZnl * l.s3 * (l.z1 + l.z3 - 14.0 - 6.0 * emsq);
    const double sghl = l.s4 * kZnl * (l.z31 + l.z33 - 6.0);
    double shll = -kZnl * l.s2 * (l.z21 + l.z23);
    if (nearEquator)
        shll = 0.0;
    d.domdt = sgs + sghl;
    d.dnodt = shs;
    if (sinim != 0.0) {
        d.domdt = d.domdt - cosim / sinim * shll;
        d.dnodt = d.dnodt + shll / sinim;
    }

    const double theta = std::fmod(m_gsto, kTwoPi);
    if (d.irez == 0)
        return;
    const double aonv = std::pow(nm / kXke, kX2o3);
    if (d.irez == 2) {
        // Half-day orbits: the tesseral harmonics' resonance, with the
        // eccentricity functions fitted for each range of e.
        const double cosisq = cosim * cosim;
        const double e = m_ecco, esq = eccsq, eoc = e * esq;
        const double g201 = -0.306 - (e - 0.64) * 0.440;
        double g211, g310, g322, g410, g422, g520, g521, g532, g533;
        if (e <= 0.65) {
            g211 = 3.616 - 13.2470 * e + 16.2900 * esq;
            g310 = -19.302 + 117.3900 * e - 228.4190 * esq + 156.5910 * eoc;
            g322 = -18.9068 + 109.7927 * e - 214.6334 * esq + 146.5816 * eoc;
            g410 = -41.122 + 242.6940 * e - 471.0940 * esq + 313.9530 * eoc;
            g422 = -146.407 + 841.8800 * e - 1629.014 * esq + 1083.4350 * eoc;
            g520 = -532.114 + 3017.977 * e - 5740.032 * esq + 3708.2760 * eoc;
        } else {
            g211 = -72.099 + 331.819 * e - 508.738 * esq + 266.724 * eoc;
            g310 = -346.844 + 1582.851 * e - 2415.925 * esq + 1246.113 * eoc;
            g322 = -342.585 + 1554.908 * e - 2366.899 * esq + 1215.972 * eoc;
            g410 = -1052.797 + 4758.686 * e - 7193.992 * esq + 3651.957 * eoc;
            g422 = -3581.690 + 16178.110 * e - 24462.770 * esq + 12422.520 * eoc;
            if (e > 0.715)
                g520 = -5149.66 + 29936.92 * e - 54087.36 * esq + 31324.56 * eoc;
            else
                g520 = 1464.74 - 4664.75 * e + 3763.64 * esq;
        }
        if (e < 0.7) {
            g533 = -919.22770 + 4988.6100 * e - 9064.7700 * esq + 5542.21 * eoc;
            g521 = -822.71072 + 4568.6173 * e - 8491.4146 * esq + 5337.524 * eoc;
            g532 = -853.66600 + 4690.2500 * e - 8624.7700 * esq + 5341.4 * eoc;
        } else {
            g533 = -37995.780 + 161616.52 * e - 229838.20 * esq + 109377.94 * eoc;
            g521 = -51752.104 + 218913.95 * e - 309468.16 * esq + 146349.42 * eoc;
            g532 = -40023.880 + 170470.89 * e - 242699.48 * esq + 115605.82 * eoc;
        }
        const double sini2 = sinim * sinim;
        const double f220 = 0.75 * (1.0 + 2.0 * cosim + cosisq);
        const double f221 = 1.5 * sini2;
        const double f321 = 1.875 * sinim * (1.0 - 2.0 * cosim - 3.0 * cosisq);
        const double f322 = -1.875 * sinim * (1.0 + 2.0 * cosim - 3.0 * cosisq);
        const double f441 = 35.0 * sini2 * f220;
        const double f442 = 39.3750 * sini2 * sini2;
        const double f522 = 9.84375 * sinim *
                            (sini2 * (1.0 - 2.0 * cosim - 5.0 * cosisq) +
                             0.33333333 * (-2.0 + 4.0 * cosim + 6.0 * cosisq));
        const double f523 = sinim * (4.92187512 * sini2 * (-2.0 - 4.0 * cosim + 10.0 * cosisq) +
                                     6.56250012 * (1.0 + 2.0 * cosim - 3.0 * cosisq));
        const double f542 =
            29.53125 * sinim * (2.0 - 8.0 * cosim + cosisq * (-12.0 + 8.0 * cosim + 10.0 * cosisq));
        const double f543 =
            29.53125 * sinim * (-2.0 - 8.0 * cosim + cosisq * (12.0 + 8.0 * cosim - 10.0 * cosisq));
        const double xno2 = nm * nm;
        const double ainv2 = aonv * aonv;
        double temp1 = 3.0 * xno2 * ainv2;
        double temp = temp1 * root22;
        d.d2201 = temp * f220 * g201;
        d.d2211 = temp * f221 * g211;
        temp1 = temp1 * aonv;
        temp = temp1 * root32;
        d.d3210 = temp * f321 * g310;
        d.d3222 = temp * f322 * g322;
        temp1 = temp1 * aonv;
        temp = 2.0 * temp1 * root44;
        d.d4410 = temp * f441 * g410;
        d.d4422 = temp * f442 * g422;
        temp1 = temp1 * aonv;
        temp = temp1 * root52;
        d.d5220 = temp * f522 * g520;
        d.d5232 = temp * f523 * g532;
        temp = 2.0 * temp1 * root54;
        d.d5421 = temp * f542 * g521;
        d.d5433 = temp * f543 * g533;
        d.xlamo = std::fmod(m_mo + m_nodeo + m_nodeo - theta - theta, kTwoPi);
        d.xfact = m_mdot + d.dmdt + 2.0 * (m_nodedot + d.dnodt - kRptim) - m_no;
    } else {
        // Day-long orbits: the synchronous resonance.
        const double g200 = 1.0 + emsq * (-2.5 + 0.8125 * emsq);
        const double g310 = 1.0 + 2.0 * emsq;
        const double g300 = 1.0 + emsq * (-6.0 + 6.60937 * emsq);
        const double f220 = 0.75 * (1.0 + cosim) * (1.0 + cosim);
        const double f311 = 0.9375 * sinim * sinim * (1.0 + 3.0 * cosim) - 0.75 * (1.0 + cosim);
        const double f330 = 1.875 * cube(1.0 + cosim);
        d.del1 = 3.0 * nm * nm * aonv * aonv;
        d.del2 = 2.0 * d.del1 * f220 * g200 * q22;
        d.del3 = 3.0 * d.del1 * f330 * g300 * q33 * aonv;
        d.del1 = d.del1 * f311 * g310 * q31 * aonv;
        d.xlamo = std::fmod(m_mo + m_nodeo + m_argpo - theta, kTwoPi);
        d.xfact = m_mdot + xpidot - kRptim + d.dmdt + d.domdt + d.dnodt - m_no;
    }
}

// The secular effects of the Sun and the Moon and the resonances' numerical
// integration, in half-day steps from the epoch (Vallado's dspace).
void Sgp4::deepSpaceSecular(double t, Mean &m, ResonanceState *resume) const
{
    const DeepSpace &d = m_ds;
    constexpr double fasx2 = 0.13130908, fasx4 = 2.8843198, fasx6 = 0.37448087, g22 = 5.7686396,
                     g32 = 0.95240898, g44 = 1.8014998, g52 = 1.0508330, g54 = 4.4108898;
    constexpr double stepp = 720.0, stepn = -720.0, step2 = 259200.0;
    const double theta = std::fmod(m_gsto + t * kRptim, kTwoPi);
    m.em = m.em + d.dedt * t;
    m.inclm = m.inclm + d.didt * t;
    m.argpm = m.argpm + d.domdt * t;
    m.nodem = m.nodem + d.dnodt * t;
    m.mm = m.mm + d.dmdt * t;
    if (d.irez == 0)
        return;

    // Start again from the epoch unless the integration already stands
    // between it and t.
    ResonanceState fromEpoch;
    ResonanceState &r = resume ? *resume : fromEpoch;
    if (r.atime == 0.0 || t * r.atime <= 0.0 || std::fabs(t) < std::fabs(r.atime))
        r = {0.0, d.xlamo, m_no};
    double &atime = r.atime, &xli = r.xli, &xni = r.xni;
    const double delt = t > 0.0 ? stepp : stepn;
    double xndt = 0.0, xldot = 0.0, xnddt = 0.0, ft = 0.0;
    for (;;) {
        if (d.irez != 2) {
            xndt = d.del1 * std::sin(xli - fasx2) + d.del2 * std::sin(2.0 * (xli - fasx4)) +
                   d.del3 * std::sin(3.0 * (xli - fasx6));
            xldot = xni + d.xfact;
            xnddt = d.del1 * std::cos(xli - fasx2) + 2.0 * d.del2 * std::cos(2.0 * (xli - fasx4)) +
                    3.0 * d.del3 * std::cos(3.0 * (xli - fasx6));
            xnddt = xnddt * xldot;
        } else {
            const double xomi = m_argpo + m_argpdot * atime;
            const double x2omi = xomi + xomi;
            const double x2li = xli + xli;
            xndt = d.d2201 * std::sin(x2omi + xli - g22) + d.d2211 * std::sin(xli - g22) +
                   d.d3210 * std::sin(xomi + xli - g32) + d.d3222 * std::sin(-xomi + xli - g32) +
                   d.d4410 * std::sin(x2omi + x2li - g44) + d.d4422 * std::sin(x2li - g44) +
                   d.d5220 * std::sin(xomi + xli - g52) + d.d5232 * std::sin(-xomi + xli - g52) +
                   d.d5421 * std::sin(xomi + x2li - g54) + d.d5433 * std::sin(-xomi + x2li - g54);
            xldot = xni + d.xfact;
            xnddt = d.d2201 * std::cos(x2omi + xli - g22) + d.d2211 * std::cos(xli - g22) +
                    d.d3210 * std::cos(xomi + xli - g32) + d.d3222 * std::cos(-xomi + xli - g32) +
                    d.d5220 * std::cos(xomi + xli - g52) + d.d5232 * std::cos(-xomi + xli - g52) +
                    2.0 * (d.d4410 * std::cos(x2omi + x2li - g44) + d.d4422 * std::cos(x2li - g44) +
                           d.d5421 * std::cos(xomi + x2li - g54) +
                           d.d5433 * std::cos(-xomi + x2li - g54));
            xnddt = xnddt * xldot;
        }
        if (std::fabs(t - atime) < stepp) {
            ft = t - atime;
            break;
        }
        xli = xli + xldot * delt + xndt * step2;
        xni = xni + xndt * delt + xnddt * step2;
        atime = atime + delt;
    }
    m.nm = xni + xndt * ft + xnddt * ft * ft * 0.5;
    const double xl = xli + xldot * ft + xndt * ft * ft * 0.5;
    if (d.irez != 1)
        m.mm = xl - 2.0 * m.nodem + 2.0 * theta;
    else
        m.mm = xl - m.nodem - m.argpm + theta;
    m.nm = m_no + (m.nm - m_no);
}

// The Sun's and the Moon's periodics (Vallado's dpper); below 0.2 rad of
// inclination by Lyddane's form, which stays finite at the equator.
void Sgp4::deepSpacePeriodics(double t, Osculating &p) const
{
    const DeepSpace &d = m_ds;
    double zm = d.zmos + kZns * t;
    double zf = zm + 2.0 * kZes * std::sin(zm);
    double sinzf = std::sin(zf);
    double f2 = 0.5 * sinzf * sinzf - 0.25;
    double f3 = -0.5 * sinzf * std::cos(zf);
    const double ses = d.se2 * f2 + d.se3 * f3;
    const double sis = d.si2 * f2 + d.si3 * f3;
    const double sls = d.sl2 * f2 + d.sl3 * f3 + d.sl4 * sinzf;
    const double sghs = d.sgh2 * f2 + d.sgh3 * f3 + d.sgh4 * sinzf;
    const double shs = d.sh2 * f2 + d.sh3 * f3;
    zm = d.zmol + kZnl * t;
    zf = zm + 2.0 * kZel * std::sin(zm);
    sinzf = std::sin(zf);
    f2 = 0.5 * sinzf * sinzf - 0.25;
    f3 = -0.5 * sinzf * std::cos(zf);
    const double sel = d.ee2 * f2 + d.e3 * f3;
    const double sil = d.xi2 * f2 + d.xi3 * f3;
    const double sll = d.xl2 * f2 + d.xl3 * f3 + d.xl4 * sinzf;
    const double sghl = d.xgh2 * f2 + d.xgh3 * f3 + d.xgh4 * sinzf;
    const double shll = d.xh2 * f2 + d.xh3 * f3;
    const double pe = ses + sel;
    const double pinc = sis + sil;
    const double pl = sls + sll;
    double pgh = sghs + sghl;
    double ph = shs + shll;

    p.inclp = p.inclp + pinc;
    p.ep = p.ep + pe;
    const double sinip = std::sin(p.inclp);
    const double cosip = std::cos(p.inclp);
    if (p.inclp >= 0.2) {
        ph = ph / sinip;
        pgh = pgh - cosip * ph;
        p.argpp = p.argpp + pgh;
        p.nodep = p.nodep + ph;
        p.mp = p.mp + pl;
        return;
    }
    const double sinop = std::sin(p.nodep);
    const double cosop = std::cos(p.nodep);
    double alfdp = sinip * sinop;
    double betdp = sinip * cosop;
    const double dalf = ph * cosop + pinc * cosip * sinop;
    const double dbet = -ph * sinop + pinc * cosip * cosop;
    alfdp = alfdp + dalf;
    betdp = betdp + dbet;
    p.nodep = std::fmod(p.nodep, kTwoPi);
    double xls = p.mp + p.argpp + cosip * p.nodep;
    const double dls = pl + pgh - pinc * p.nodep * sinip;
    xls = xls + dls;
    const double xnoh = p.nodep;
    p.nodep = std::atan2(alfdp, betdp);
    // atan2 gives (-pi, pi]: keep the node on the same turn as before.
    if (std::fabs(xnoh - p.nodep) > pi)
        p.nodep = p.nodep < xnoh ? p.nodep + kTwoPi : p.nodep - kTwoPi;
    p.mp = p.mp + pl;
    p.argpp = xls - p.mp - cosip * p.nodep;
}

TemeState Sgp4::at(double t, ResonanceState *resume) const
{
    TemeState state;
    const auto fail = [&](Sgp4Error error) {
        state.error = error;
        return state;
    };

    if (!(std::fabs(t) <= kMaxMinutesFromEpoch))
        return fail(Sgp4Error::TimeOutOfRange);

    // Secular gravity and drag.
    const double xmdf = m_mo + m_mdot * t;
    const double argpdf = m_argpo + m_argpdot * t;
    const double nodedf = m_nodeo + m_nodedot * t;
    Mean m{m_ecco, argpdf, m_inclo, xmdf, 0.0, m_no};
    const double t2 = t * t;
    m.nodem = nodedf + m_nodecf * t2;
    double tempa = 1.0 - m_cc1 * t;
    double tempe = m_bstar * m_cc4 * t;
    double templ = m_t2cof * t2;
    if (!m_simple) {
        const double delomg = m_omgcof * t;
        const double delm = m_xmcof * (cube(1.0 + m_eta * std::cos(xmdf)) - m_delmo);
        const double temp = delomg + delm;
        m.mm = xmdf + temp;
        m.argpm = argpdf - temp;
        const double t3 = t2 * t;
        const double t4 = t3 * t;
        tempa = tempa - m_d2 * t2 - m_d3 * t3 - m_d4 * t4;
        tempe = tempe + m_bstar * m_cc5 * (std::sin(m.mm) - m_sinmao);
        templ = templ + m_t3cof * t3 + t4 * (m_t4cof + t * m_t5cof);
    }
    if (m_deepSpace)
        deepSpaceSecular(t, m, resume);
    if (m.nm <= 0.0)
        return fail(Sgp4Error::MeanMotion);
    const double am = std::pow(kXke / m.nm, kX2o3) * tempa * tempa;
    const double nm = kXke / std::pow(am, 1.5);
    double em = m.em - tempe;
    if (em >= 1.0 || em < -0.001)
        return fail(Sgp4Error::MeanEccentricity);
    if (em < 1.0e-6)
        em = 1.0e-6;
    m.mm = m.mm + m_no * templ;
    double xlm = m.mm + m.argpm + m.nodem;
    m.nodem = std::fmod(m.nodem, kTwoPi);
    m.argpm = std::fmod(m.argpm, kTwoPi);
    xlm = std::fmod(xlm, kTwoPi);
    m.mm = std::fmod(xlm - m.argpm - m.nodem, kTwoPi);

    Osculating p{em, m.inclm, m.nodem, m.argpm, m.mm};
    double sinip = std::sin(m.inclm), cosip = std::cos(m.inclm);
    double aycof = m_aycof, xlcof = m_xlcof, con41 = m_con41, x1mth2 = m_x1mth2, x7thm1 = m_x7thm1;
    if (m_deepSpace) {
        deepSpacePeriodics(t, p);
        if (p.inclp < 0.0) {
            p.inclp = -p.inclp;
            p.nodep = p.nodep + pi;
            p.argpp = p.argpp - pi;
        }
        if (p.ep < 0.0 || p.ep > 1.0)
            return fail(Sgp4Error::PerturbedEccentricity);
        sinip = std::sin(p.inclp);
        cosip = std::cos(p.inclp);
        aycof = -0.5 * kJ3oJ2 * sinip;
        xlcof = -0.25 * kJ3oJ2 * sinip * (3.0 + 5.0 * cosip) /
                (std::fabs(cosip + 1.0) > 1.5e-12 ? 1.0 + cosip : kTemp4);
        const double cosisq = cosip * cosip;
        con41 = 3.0 * cosisq - 1.0;
        x1mth2 = 1.0 - cosisq;
        x7thm1 = 7.0 * cosisq - 1.0;
    }

    // Long-period periodics.
    const double axnl = p.ep * std::cos(p.argpp);
    double temp = 1.0 / (am * (1.0 - p.ep * p.ep));
    const double aynl = p.ep * std::sin(p.argpp) + temp * aycof;
    const double xl = p.mp + p.argpp + p.nodep + temp * xlcof * axnl;

    // Kepler's equation for the eccentric longitude, with each Newton step
    // held below 0.95 rad so that it cannot run off for high eccentricities.
    const double u = std::fmod(xl - p.nodep, kTwoPi);
    double eo1 = u, tem5 = 9999.9, sineo1 = 0.0, coseo1 = 0.0;
    for (int ktr = 1; std::fabs(tem5) >= 1.0e-12 && ktr <= 10; ++ktr) {
        sineo1 = std::sin(eo1);
        coseo1 = std::cos(eo1);
        tem5 = 1.0 - coseo1 * axnl - sineo1 * aynl;
        tem5 = (u - aynl * coseo1 + axnl * sineo1 - eo1) / tem5;
        if (std::fabs(tem5) >= 0.95)
            tem5 = tem5 > 0.0 ? 0.95 : -0.95;
        eo1 = eo1 + tem5;
    }

    // Short-period periodics.
    const double ecose = axnl * coseo1 + aynl * sineo1;
    const double esine = axnl * sineo1 - aynl * coseo1;
    const double el2 = axnl * axnl + aynl * aynl;
    const double pl = am * (1.0 - el2);
    if (pl < 0.0)
        return fail(Sgp4Error::SemiLatusRectum);
    const double rl = am * (1.0 - ecose);
    const double rdotl = std::sqrt(am) * esine / rl;
    const double rvdotl = std::sqrt(pl) / rl;
    const double betal = std::sqrt(1.0 - el2);
    temp = esine / (1.0 + betal);
    const double sinu = am / rl * (sineo1 - aynl - axnl * temp);
    const double cosu = am / rl * (coseo1 - axnl + aynl * temp);
    double su = std::atan2(sinu, cosu);
    const double sin2u = (cosu + cosu) * sinu;
    const double cos2u = 1.0 - 2.0 * sinu * sinu;
    temp = 1.0 / pl;
    const double temp1 = 0.5 * kJ2 * temp;
    const double temp2 = temp1 * temp;
    const double mrt = rl * (1.0 - 1.5 * temp2 * betal * con41) + 0.5 * temp1 * x1mth2 * cos2u;
    if (mrt < 1.0)
        return fail(Sgp4Error::Decayed);
    su = su - 0.25 * temp2 * x7thm1 * sin2u;
    const double xnode = p.nodep + 1.5 * temp2 * cosip * sin2u;
    const double xinc = p.inclp + 1.5 * temp2 * cosip * sinip * cos2u;
    const double mvt = rdotl - nm * temp1 * x1mth2 * sin2u / kXke;
    const double rvdot = rvdotl + nm * temp1 * (x1mth2 * cos2u + 1.5 * con41) / kXke;

    const double sinsu = std::sin(su), cossu = std::cos(su);
    const double snod = std::sin(xnode), cnod = std::cos(xnode);
    const double sini = std::sin(xinc), cosi = std::cos(xinc);
    const double xmx = -snod * cosi;
    const double xmy = cnod * cosi;
    const double ux = xmx * sinsu + cnod * cossu;
    const double uy = xmy * sinsu + snod * cossu;
    const double uz = sini * sinsu;
    const double vx = xmx * cossu - cnod * sinsu;
    const double vy = xmy * cossu - snod * sinsu;
    const double vz = sini * cossu;
    state.positionKm = {mrt * ux * kRe, mrt * uy * kRe, mrt * uz * kRe};
    state.velocityKmPerS = {(mvt * ux + rvdot * vx) * kVkmPerSec,
                            (mvt * uy + rvdot * vy) * kVkmPerSec,
                            (mvt * uz + rvdot * vz) * kVkmPerSec};
    return state;
}

} // namespace orbits
