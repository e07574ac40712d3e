#!/usr/bin/python3
"""Compares the almanac's instants with PyEphem, an independent ephemeris.

Runs the instants program given as the arguments (a command, which may start
with an emulator such as Wine), finds each solar term and new
moon again with PyEphem (apparent geocentric longitudes of date, as the
almanac defines them) and prints the largest difference in seconds, both in
TT. Fails when a difference exceeds the limit."""
import math
import subprocess
import sys

import ephem

LIMIT_SECONDS = 60.0
DUBLIN_JD = 2415020.0  # PyEphem counts days from this Julian date


def longitude_of_date(body, date):
    body.compute(date)
    return ephem._libastro.eq_ecl(date, body.g_ra, body.g_dec)[0]


def tt_seconds(date):
    return (float(date) + DUBLIN_JD) * 86400.0 + ephem.delta_t(date)


def find(angle, target, tt_jd):
    """PyEphem's instant near tt_jd at which angle(date) reaches target."""
    guess = ephem.Date(tt_jd - DUBLIN_JD - 70.0 / 86400.0)
    offset = lambda date: (angle(date) - target + math.pi) % (2 * math.pi) - math.pi
    return ephem.Date(ephem.newton(offset, guess, guess + 1e-4))


def main():
    sun, moon = ephem.Sun(), ephem.Moon()
    sun_longitude = lambda d: longitude_of_date(sun, d)
    elongation = lambda d: longitude_of_date(moon, d) - longitude_of_date(sun, d)
    output = subprocess.run(sys.argv[1:], check=True, capture_output=True, text=True).stdout
    worst = {"term": (0.0, ""), "moon": (0.0, "")}
    for line in output.splitlines():
        kind, a, *rest = line.split()
        tt_jd = float(rest[-1])
        if kind == "term":
            found = find(sun_longitude, int(rest[0]) * math.pi / 12, tt_jd)
        else:
            found = find(elongation, 0.0, tt_jd)
        difference = abs(tt_seconds(found) - tt_jd * 86400.0)
        if difference > worst[kind][0]:
            worst[kind] = (difference, line)
    for kind, (difference, line) in worst.items():
        print(f"largest {kind} difference: {difference:.1f} s ({line})")
    return 0 if max(d for d, _ in worst.values()) <= LIMIT_SECONDS else 1


if __name__ == "__main__":
    sys.exit(main())
