#!/usr/bin/env python3
"""Writes Duskmap's time zone table, resources/TimeZones.plist.

Every zone of the tz database's zone.tab, with its reference place (the
coordinates zone.tab gives, ISO 6709 degrees and minutes or degrees, minutes
and seconds, turned into decimal degrees), plus "UTC", "Etc/UTC" and "GMT" at
the Royal Observatory, Greenwich. The result is an XML property list whose
keys are the zone names, sorted, and whose values are
<array><real>latitude</real><real>longitude</real></array>, north and east
positive.

Usage: make_timezones.py [--zone-tab /usr/share/zoneinfo/zone.tab] [--output FILE]
(without --output the table goes to standard output).
"""

import argparse
import plistlib
import re
import sys

# Four decimals of a degree are about 11 m on the ground: finer than zone.tab's
# whole arc-seconds need, and far finer than a map pixel.
DECIMALS = 4

GREENWICH = (51.4769, -0.0005)
GREENWICH_ZONES = ("UTC", "Etc/UTC", "GMT")

# +DDMM+DDDMM or +DDMMSS+DDDMMSS.
COORDINATES = re.compile(
    r"^(?P<lat>[+-]\d{4}(?:\d{2})?)(?P<lon>[+-]\d{5}(?:\d{2})?)$")


def decimal_degrees(text, degree_digits):
    """An ISO 6709 sign, degrees, minutes and optional seconds as decimal degrees."""
    sign = -1.0 if text[0] == "-" else 1.0
    digits = text[1:]
    degrees = int(digits[:degree_digits])
    minutes = int(digits[degree_digits:degree_digits + 2])
    seconds = int(digits[degree_digits + 2:] or "0")
    if minutes >= 60 or seconds >= 60:
        raise ValueError(f"minutes or seconds out of range in {text}")
    return sign * (degrees + minutes / 60.0 + seconds / 3600.0)


def rounded(value):
    # Adding 0.0 turns a rounded -0.0 into 0.0.
    return round(value, DECIMALS) + 0.0


def read_zone_tab(path):
    zones = {}
    with open(path, encoding="utf-8") as zone_tab:
        for number, line in enumerate(zone_tab, start=1):
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            if len(fields) < 3:
                raise ValueError(f"{path}:{number}: expected at least three fields")
            match = COORDINATES.match(fields[1])
            if not match:
                raise ValueError(f"{path}:{number}: bad coordinates {fields[1]!r}")
            latitude = decimal_degrees(match["lat"], 2)
            longitude = decimal_degrees(match["lon"], 3)
            if abs(latitude) > 90.0 or abs(longitude) > 180.0:
                raise ValueError(f"{path}:{number}: coordinates out of range")
            zones[fields[2]] = (rounded(latitude), rounded(longitude))
    return zones


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--zone-tab", default="/usr/share/zoneinfo/zone.tab")
    parser.add_argument("--output", help="file to write (default: standard output)")
    args = parser.parse_args()

    zones = read_zone_tab(args.zone_tab)
    for name in GREENWICH_ZONES:
        zones[name] = GREENWICH
    table = {name: [latitude, longitude] for name, (latitude, longitude) in zones.items()}
    data = plistlib.dumps(table, fmt=plistlib.FMT_XML, sort_keys=True)
    if args.output:
        with open(args.output, "wb") as output:
            output.write(data)
    else:
        sys.stdout.buffer.write(data)
    print(f"{len(table)} zones", file=sys.stderr)


if __name__ == "__main__":
    main()
