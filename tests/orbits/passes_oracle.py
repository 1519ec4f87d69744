#!/usr/bin/python3
# Prints the expected passes for tst_orbits: Skyfield (Debian's python3-skyfield,
# its own SGP4, TEME to ITRS and WGS84) as an independent oracle. Its events are
# refined here to a millisecond by bisection on Skyfield's own altitude.
# Run: /usr/bin/python3 tests/orbits/passes_oracle.py
from skyfield.api import EarthSatellite, load, wgs84

ts = load.timescale(builtin=True)
LINES = ("1 25544U 98067A   24001.50000000  .00016717  00000-0  30057-3 0  9992",
         "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.50377579432715")
sat = EarthSatellite(*LINES, ts=ts)
HOMES = [("Berlin", 52.52, 13.40, 0.0), ("Quito", -0.22, -78.51, 10.0)]
start = sat.epoch
end = ts.tt_jd(start.tt + 3.0)


def unix(t):
    return t.utc_datetime().timestamp()


for name, lat, lon, mask in HOMES:
    home = wgs84.latlon(lat, lon)
    rel = sat - home

    def alt(jd):
        return rel.at(ts.tt_jd(jd)).altaz()[0].degrees - mask

    times, kinds = sat.find_events(home, start, end, altitude_degrees=mask)
    row = []
    for t, kind in zip(times, kinds):
        a, b = t.tt - 2 / 86400, t.tt + 2 / 86400
        if kind == 1:  # culmination: golden section
            g = (5 ** 0.5 - 1) / 2
            while b - a > 1e-3 / 86400:
                c, d = b - g * (b - a), a + g * (b - a)
                if alt(c) > alt(d):
                    b = d
                else:
                    a = c
        else:
            rising = kind == 0
            while b - a > 1e-3 / 86400:
                m = (a + b) / 2
                if (alt(m) < 0) == rising:
                    a = m
                else:
                    b = m
        tt = ts.tt_jd((a + b) / 2)
        elevation, azimuth, _ = rel.at(tt).altaz()
        if kind == 0 or row:
            row += [f"{unix(tt):.3f}", f"{azimuth.degrees:.2f}"]
        if kind == 1 and row:
            row.append(f"{elevation.degrees:.3f}")
        if kind == 2 and row:
            # name, mask, rise, rise azimuth, culmination, its azimuth, max elevation, set, set azimuth
            print(f'{{"{name}", {mask}, {", ".join(row)}}},')
            row = []
