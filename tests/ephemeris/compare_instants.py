#!/usr/bin/python3
"""Compares the almanac's instants with two independent ephemerides.

Usage: compare_instants.py COMMAND...   (the instants program, which may start
with an emulator such as Wine)

Finds each instant again and prints, for each kind, the largest difference in
seconds from its reference:
- the Swiss Ephemeris (its files compressed from JPL's DE431 to 1 mas), for
  the Sun reaching a longitude and the moon's phases, by apparent geocentric
  longitudes of date, in TT;
- PyEphem (libastro), whose own Sun and Moon are some 20 s and 30 s off those
  instants, for Tokyo's sunrise and sunset (the upper limb on the horizon,
  35'08" of refraction, no height) in UT1.
Fails when a difference exceeds its limit."""
import ctypes
import math
import subprocess
import sys

import ephem

DUBLIN_JD = 2415020.0  # PyEphem counts days from this Julian date
PHASES = ["new moon", "first quarter", "full moon", "last quarter"]
LIMITS = {
    "Swiss Ephemeris": {"sun": 2.0, **{name: 40.0 for name in PHASES}},
    "PyEphem": {"sunrise": 1.0, "sunset": 1.0},
}


def newton(angle, target, jd):
    """The Julian date near jd at which angle(jd) = (radians, radians/day) reaches target."""
    for _ in range(20):
        value, rate = angle(jd)
        step = ((target - value + math.pi) % (2 * math.pi) - math.pi) / rate
        jd += step
        if abs(step) < 1e-8:
            return jd
    raise RuntimeError(f"no convergence near {jd}")


class SwissEphemeris:
    name = "Swiss Ephemeris"

    def __init__(self):
        self.library = ctypes.CDLL("libswe.so.2")
        self.library.swe_set_ephe_path(b"/usr/share/libswe/ephe")
        self.library.swe_calc.argtypes = [ctypes.c_double, ctypes.c_int, ctypes.c_int32,
                                          ctypes.POINTER(ctypes.c_double), ctypes.c_char_p]
        self.place = (ctypes.c_double * 6)()
        self.error = ctypes.create_string_buffer(256)

    def longitude(self, body, jd):
        ephemeris_files, with_speed = 2, 256
        flags = self.library.swe_calc(jd, body, ephemeris_files | with_speed, self.place, self.error)
        if flags < 0 or not flags & ephemeris_files:
            raise RuntimeError(f"Swiss Ephemeris without its files: {self.error.value}")
        return math.radians(self.place[0]), math.radians(self.place[3])

    def sun(self, jd):
        return self.longitude(0, jd)

    def elongation(self, jd):
        (moon, moon_rate), (sun, sun_rate) = self.longitude(1, jd), self.longitude(0, jd)
        return moon - sun, moon_rate - sun_rate


class PyEphem:
    name = "PyEphem"

    def __init__(self):
        self.sun_body = ephem.Sun()
        self.observer = ephem.Observer()
        self.observer.lon, self.observer.lat = "139:44:28.8869", "35:39:29.1572"
        self.observer.elevation, self.observer.pressure, self.observer.horizon = 0, 0, "-0:35:08"

    def crossing(self, kind, ut_jd):
        self.observer.date = ephem.Date(ut_jd - DUBLIN_JD - 0.1)
        found = self.observer.next_rising if kind == "sunrise" else self.observer.next_setting
        return float(found(self.sun_body)) + DUBLIN_JD


def difference(reference, line):
    """The kind of the instant and its difference from the reference in seconds, or None."""
    kind, *_, second, jd = line.split()
    jd = float(jd)
    if kind in ("sun", "phase") and reference.name != SwissEphemeris.name:
        return None
    if kind == "sun":
        return "sun", (newton(reference.sun, math.radians(int(second)), jd) - jd) * 86400.0
    if kind == "phase":
        return PHASES[int(second)], (newton(reference.elongation, int(second) * math.pi / 2, jd) - jd) * 86400.0
    kind = "sunrise" if kind == "rise" else "sunset"
    if kind not in LIMITS[reference.name]:
        return None
    return kind, (reference.crossing(kind, jd) - jd) * 86400.0


def main():
    lines = subprocess.run(sys.argv[1:], check=True, capture_output=True, text=True).stdout.splitlines()
    passed = True
    for reference in (SwissEphemeris(), PyEphem()):
        worst = {kind: (0.0, "") for kind in LIMITS[reference.name]}
        for line in lines:
            found = difference(reference, line)
            if found and abs(found[1]) > worst[found[0]][0]:
                worst[found[0]] = (abs(found[1]), line)
        for kind, (seconds, line) in worst.items():
            print(f"{reference.name}: largest {kind} difference {seconds:.1f} s ({line})")
            passed &= seconds <= LIMITS[reference.name][kind]
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
